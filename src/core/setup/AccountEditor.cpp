#include "core/setup/AccountEditor.h"

#include "core/base/TextNumbers.h"

#include <algorithm>

namespace vorbix::setup {
namespace {

std::string cut(const std::string& text)
{
    return text.substr(0, kAccountTextLength);
}

TAccount accountOf(const AccountForm& form)
{
    return {cut(form.Name), cut(form.Password), form.admin.value_or(false), cut(form.Connection)};
}

bool hasAccount(const AccountList& accounts, int row)
{
    return row >= 1 && static_cast<std::size_t>(row) <= accounts.size();
}

} // namespace

AccountCheck CheckAccount(const AccountForm& form)
{
    if (form.Name.empty()) {
        return {false, lang::kEnterName, AccountField::Name};
    }
    if (!form.admin) {
        return {false, lang::kChooseRights, AccountField::Rights};
    }
    return {};
}

AccountEdit AddAccount(AccountList& accounts, int selectedRow, const AccountForm& form)
{
    const bool exists =
        std::any_of(accounts.begin(), accounts.end(), [&form](const TAccount& a) { return a.Name == form.Name; });
    if (exists) {
        return SaveAccount(accounts, selectedRow, form);
    }
    const AccountCheck check = CheckAccount(form);
    if (!check.accepted) {
        return {check, selectedRow};
    }
    accounts.push_back(accountOf(form));
    return {check, static_cast<int>(accounts.size())};
}

AccountEdit SaveAccount(AccountList& accounts, int selectedRow, const AccountForm& form)
{
    const AccountCheck check = CheckAccount(form);
    if (!check.accepted || selectedRow < 1 || static_cast<std::size_t>(selectedRow) > accounts.size() + 1) {
        return {check, selectedRow};
    }
    if (!hasAccount(accounts, selectedRow)) {
        accounts.push_back(accountOf(form));
        return {check, static_cast<int>(accounts.size())};
    }
    TAccount& account = accounts[static_cast<std::size_t>(selectedRow - 1)];
    const std::string stored = account.Password;
    account = accountOf(form);
    if (form.Password.empty()) {
        account.Password = stored;
    }
    return {check, selectedRow};
}

AccountEdit DeleteAccount(AccountList& accounts, int selectedRow)
{
    if (hasAccount(accounts, selectedRow)) {
        accounts.erase(accounts.begin() + (selectedRow - 1));
    }
    return {{}, std::max(1, std::min(selectedRow, AccountGridRows(accounts)))};
}

AccountForm AccountFormForRow(const AccountList& accounts, const app::ConnectionList& profiles, int row)
{
    if (!hasAccount(accounts, row)) {
        return {};
    }
    const TAccount& a = accounts[static_cast<std::size_t>(row - 1)];
    return {a.Name, std::string(), a.Admin, NamesSavedProfile(profiles, a.Connection) ? a.Connection : std::string()};
}

std::string AccountRightsText(const TAccount& account, const app::ConnectionList& profiles, const PopisType& lang)
{
    std::string text = LangText(lang, account.Admin ? lang::kRightsAdministrator : lang::kRightsUser);
    if (NamesSavedProfile(profiles, account.Connection)) {
        text += " - " + account.Connection;
    }
    return text;
}

int AccountGridRows(const AccountList& accounts)
{
    return std::max(1, static_cast<int>(accounts.size()));
}

} // namespace vorbix::setup
