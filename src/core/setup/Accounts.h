#pragma once

#include "core/app/TConnection.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The application user accounts of "Ucty.dat": fixed 304-byte records, one after another, no
// header. Name (101 bytes), Password (101), Admin (1), Connection (101); each text is code page
// 1250, at most 100 characters, padded with zero bytes. The passwords are stored as typed (the
// format is fixed), so the file is written for its owner only and no text of this module ever
// contains a password.
namespace vorbix::setup {

inline constexpr std::size_t kAccountRecordSize = 304;
inline constexpr std::size_t kAccountTextLength = 100; // characters kept of a name, password, profile
inline constexpr unsigned kAccountFileMode = 0600;
inline constexpr const char* kAccountFileName = "Ucty.dat";

struct TAccount
{
    std::string Name;
    std::string Password;
    bool Admin = false;
    std::string Connection; // the name of a connection profile; may be empty
};

using AccountList = std::vector<TAccount>;

// The records of the file content; a trailing partial record is ignored. A text field ends at its
// first zero byte or after its 101st byte; an Admin byte other than 0 means administrator.
AccountList ParseAccounts(std::string_view content);

// The file content: every text cut to its first 100 characters and zero-padded, Admin 1 or 0.
std::string FormatAccounts(const AccountList& accounts);

// Reads the accounts; a missing file gives an empty list and true. False with "PATH: REASON" when
// the file exists but cannot be read, or when its size is not a whole number of records (a damaged
// file: the parse would ignore the partial record, but every record after a shift is garbled).
[[nodiscard]] bool LoadAccounts(const std::string& path, AccountList& accounts, std::string& error);

// Rewrites the whole file (also when the list is empty), owner-only (0600), through the atomic
// writer. False with "PATH: REASON".
[[nodiscard]] bool SaveAccounts(const std::string& path, const AccountList& accounts, std::string& error);

// Equal passwords, compared without leaving early at the first difference, so the time taken does
// not tell how much of a guess was right.
bool SamePassword(std::string_view stored, std::string_view typed);

// The login match: the first account whose Name and Password equal the typed texts exactly (case
// included); -1 when none does. Every account's password is compared, matched or not.
int MatchAccount(const AccountList& accounts, std::string_view name, std::string_view password);

// The profile an account logs in with: the last of the saved profiles 1..n whose Name equals the
// account's Connection, else profile 0 ("Default").
std::size_t ProfileForAccount(const app::ConnectionList& profiles, const std::string& connection);

// True when `connection` names one of the saved profiles 1..n.
bool NamesSavedProfile(const app::ConnectionList& profiles, const std::string& connection);

// The login's result after the profile's actions ran: Cancel (true) for a user without
// administrator rights whose profile has an action to run and who is not logged in to the receiver
// afterwards; such a user cannot start the program.
bool LoginCancelled(const app::TConnection& profile, bool administrator, bool loggedIn);

} // namespace vorbix::setup
