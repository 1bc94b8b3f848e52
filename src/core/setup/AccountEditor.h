#pragma once

#include "core/base/LanguageTable.h"
#include "core/setup/Accounts.h"

#include <optional>
#include <string>

// The accounts page of the application setup dialog, without the dialog: the check of its fields,
// Add, Save and Delete on the account list, and what the account grid shows. Grid row n shows
// account n (from 1).
namespace vorbix::setup {

struct AccountForm
{
    std::string Name;
    std::string Password;
    std::optional<bool> admin; // the rights item chosen: administrator or user; none yet
    std::string Connection;
};

enum class AccountField
{
    None,
    Name,
    Rights,
};

struct AccountCheck
{
    bool accepted = true;
    int languageText = 0;
    AccountField field = AccountField::None;
};

// An empty name (text 128), then no rights chosen (129).
AccountCheck CheckAccount(const AccountForm& form);

struct AccountEdit
{
    AccountCheck check;
    int row = 1;
};

// Add: with the name of an existing account it acts as Save; otherwise a checked entry is appended,
// each text cut to 100 characters.
AccountEdit AddAccount(AccountList& accounts, int selectedRow, const AccountForm& form);
// Save: a checked entry replaces the selected row's account; the row just after the last one
// appends. An empty password keeps the account's stored one: the form never shows a stored
// password, so an empty field means "unchanged". A failed check leaves the list as it was.
AccountEdit SaveAccount(AccountList& accounts, int selectedRow, const AccountForm& form);
// Delete: the selected row's account goes, the following ones move up; a row without an account
// changes nothing.
AccountEdit DeleteAccount(AccountList& accounts, int selectedRow);

// What the fields show for row `row`: the account's name and rights, and its Connection only when
// it names a saved profile; never its password. An empty form for a row without an account.
AccountForm AccountFormForRow(const AccountList& accounts, const app::ConnectionList& profiles, int row);

// The rights column: text 187 (administrator) or 188 (user), followed by " - " and the Connection
// when it names a saved profile.
std::string AccountRightsText(const TAccount& account, const app::ConnectionList& profiles, const PopisType& lang);

// Data rows of the account grid: one per account, at least one.
int AccountGridRows(const AccountList& accounts);

} // namespace vorbix::setup
