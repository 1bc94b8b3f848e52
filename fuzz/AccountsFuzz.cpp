// "Ucty.dat" is read at every login and every showing of the setup dialog, whatever it holds; what
// the program writes of the accounts it read must read back to the same accounts, and a login
// against them must not fail in any other way than by not matching.

#include "core/setup/Accounts.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vorbix::setup;
    const std::string_view content(reinterpret_cast<const char*>(data), size);

    const AccountList accounts = ParseAccounts(content);
    if (accounts.size() != size / kAccountRecordSize) {
        std::abort();
    }
    const std::string written = FormatAccounts(accounts);
    if (written.size() != accounts.size() * kAccountRecordSize) {
        std::abort();
    }
    const AccountList again = ParseAccounts(written);
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        // A field read to its 101st byte is written cut to 100; otherwise nothing may change.
        const auto same = [](const std::string& read, const std::string& back) {
            return back == read.substr(0, kAccountTextLength);
        };
        if (!same(accounts[i].Name, again[i].Name) || !same(accounts[i].Password, again[i].Password) ||
            !same(accounts[i].Connection, again[i].Connection) || accounts[i].Admin != again[i].Admin) {
            std::abort();
        }
    }
    if (!accounts.empty()) {
        const int found = MatchAccount(accounts, accounts.back().Name, accounts.back().Password);
        if (found < 0 || static_cast<std::size_t>(found) >= accounts.size()) {
            std::abort(); // an account always logs in, as itself or as an equal one before it
        }
    }
    return 0;
}
