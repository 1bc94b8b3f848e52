#include "core/lists/THistory.h"
#include "core/text/TextFile.h"
#include "tools/vorbixctl/ListCommands.h"
#include "tools/vorbixctl/ListOutput.h"

#include <iostream>

namespace vorbix::tools {

int runHistory(const std::string& programFolder, const std::vector<std::string>& args)
{
    bool json = false;
    if (!parseListArgs("history", args, json)) {
        return 2;
    }
    lists::THistory history(text::joinPath(programFolder, "History.dat"));
    if (!checkListLoad(history.LoadHistory(), history.path())) {
        return 1;
    }
    for (const lists::THistoryRec& rec : history.Records) {
        if (json) {
            std::cout << "{\"tx\":" << jsonString(rec.TxCode) << ",\"code\":" << jsonString(rec.Code) << ",\"time\":\""
                      << lists::isoListTime(rec.Time) << "\",\"lowbatt\":" << (rec.LowBatt ? "true" : "false")
                      << ",\"id\":" << rec.ID << ",\"user\":" << jsonUser(rec.User) << "}\n";
        } else {
            std::cout << tabLine({rec.TxCode, rec.Code, lists::formatListTime(rec.Time), rec.LowBatt ? "1" : "0",
                                  std::to_string(rec.ID), rec.User[0], rec.User[1], rec.User[2], rec.User[3]})
                      << "\n";
        }
    }
    return 0;
}

} // namespace vorbix::tools
