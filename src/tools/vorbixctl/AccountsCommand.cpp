#include "core/setup/Accounts.h"
#include "core/text/TextFile.h"
#include "tools/vorbixctl/ListCommands.h"
#include "tools/vorbixctl/ListOutput.h"

#include <iostream>

namespace vorbix::tools {

int runAccounts(const std::string& programFolder, const std::vector<std::string>& args)
{
    bool json = false;
    if (!parseListArgs("accounts", args, json)) {
        return 2;
    }
    setup::AccountList accounts;
    std::string error;
    if (!setup::LoadAccounts(text::joinPath(programFolder, setup::kAccountFileName), accounts, error)) {
        std::cerr << "vorbixctl: " << error << "\n";
        return 1;
    }
    // The passwords stay in the file: only names, rights and profiles are printed.
    for (const setup::TAccount& account : accounts) {
        const char* rights = account.Admin ? "administrator" : "user";
        if (json) {
            std::cout << "{\"name\":" << jsonString(account.Name) << ",\"rights\":\"" << rights
                      << "\",\"profile\":" << jsonString(account.Connection) << "}\n";
        } else {
            std::cout << tabLine({account.Name, rights, account.Connection}) << "\n";
        }
    }
    return 0;
}

} // namespace vorbix::tools
