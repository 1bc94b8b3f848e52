#include "core/setup/Accounts.h"

#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace vorbix::setup {
namespace {

constexpr std::size_t kFieldSize = kAccountTextLength + 1;
constexpr std::size_t kNameAt = 0;
constexpr std::size_t kPasswordAt = kNameAt + kFieldSize;
constexpr std::size_t kAdminAt = kPasswordAt + kFieldSize;
constexpr std::size_t kConnectionAt = kAdminAt + 1;
static_assert(kConnectionAt + kFieldSize == kAccountRecordSize);

std::string readField(std::string_view record, std::size_t at)
{
    const std::string_view field = record.substr(at, kFieldSize);
    return std::string(field.substr(0, field.find('\0')));
}

void writeField(std::string& record, std::size_t at, const std::string& text)
{
    const std::size_t length = std::min(text.size(), kAccountTextLength);
    record.replace(at, length, text, 0, length);
}

} // namespace

AccountList ParseAccounts(std::string_view content)
{
    AccountList accounts;
    for (std::size_t at = 0; at + kAccountRecordSize <= content.size(); at += kAccountRecordSize) {
        const std::string_view record = content.substr(at, kAccountRecordSize);
        TAccount account;
        account.Name = readField(record, kNameAt);
        account.Password = readField(record, kPasswordAt);
        account.Admin = record[kAdminAt] != '\0';
        account.Connection = readField(record, kConnectionAt);
        accounts.push_back(std::move(account));
    }
    return accounts;
}

std::string FormatAccounts(const AccountList& accounts)
{
    std::string content;
    content.reserve(accounts.size() * kAccountRecordSize);
    for (const TAccount& account : accounts) {
        std::string record(kAccountRecordSize, '\0');
        writeField(record, kNameAt, account.Name);
        writeField(record, kPasswordAt, account.Password);
        record[kAdminAt] = account.Admin ? '\1' : '\0';
        writeField(record, kConnectionAt, account.Connection);
        content += record;
    }
    return content;
}

bool LoadAccounts(const std::string& path, AccountList& accounts, std::string& error)
{
    accounts.clear();
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0 && errno == ENOENT) {
        return true;
    }
    std::string content;
    if (!text::readFile(path, content, error)) {
        return false;
    }
    // The program only ever writes whole records; a file that is not made of them was cut or shifted,
    // and read as if aligned it would show passwords as names and profiles.
    if (content.size() % kAccountRecordSize != 0) {
        error = path + ": damaged, " + std::to_string(content.size()) + " bytes is not a whole number of " +
                std::to_string(kAccountRecordSize) + "-byte account records";
        return false;
    }
    accounts = ParseAccounts(content);
    return true;
}

bool SaveAccounts(const std::string& path, const AccountList& accounts, std::string& error)
{
    return text::writeFileAtomically(path, FormatAccounts(accounts), kAccountFileMode, error);
}

bool SamePassword(std::string_view stored, std::string_view typed)
{
    const std::size_t length = std::max(stored.size(), typed.size());
    unsigned difference = stored.size() == typed.size() ? 0U : 1U;
    for (std::size_t i = 0; i < length; ++i) {
        const auto a = static_cast<unsigned char>(i < stored.size() ? stored[i] : 0);
        const auto b = static_cast<unsigned char>(i < typed.size() ? typed[i] : 0);
        difference |= static_cast<unsigned>(a ^ b);
    }
    return difference == 0;
}

int MatchAccount(const AccountList& accounts, std::string_view name, std::string_view password)
{
    int found = -1;
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        const bool passwordMatches = SamePassword(accounts[i].Password, password);
        if (found < 0 && passwordMatches && accounts[i].Name == name) {
            found = static_cast<int>(i);
        }
    }
    return found;
}

std::size_t ProfileForAccount(const app::ConnectionList& profiles, const std::string& connection)
{
    std::size_t chosen = 0;
    for (std::size_t i = 1; i < profiles.size(); ++i) {
        if (profiles[i].Name == connection) {
            chosen = i;
        }
    }
    return chosen;
}

bool NamesSavedProfile(const app::ConnectionList& profiles, const std::string& connection)
{
    return ProfileForAccount(profiles, connection) != 0;
}

bool LoginCancelled(const app::TConnection& profile, bool administrator, bool loggedIn)
{
    const bool hasAction = profile.GoDownload || profile.GoOnline || profile.GoMonitor;
    return hasAction && !administrator && !loggedIn;
}

} // namespace vorbix::setup
