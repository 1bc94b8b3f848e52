#include "core/lists/TBatt.h"
#include "core/text/TextFile.h"
#include "tools/vorbixctl/ListCommands.h"
#include "tools/vorbixctl/ListOutput.h"

#include <iostream>

namespace vorbix::tools {

int runBattery(const std::string& programFolder, const std::vector<std::string>& args)
{
    bool json = false;
    if (!parseListArgs("battery", args, json)) {
        return 2;
    }
    lists::TBatt batt(text::joinPath(programFolder, "LowBatt.dat"));
    if (!checkListLoad(batt.LoadLowBatt(), batt.path())) {
        return 1;
    }
    for (const lists::TLowBatt& rec : batt.Records) {
        if (json) {
            std::cout << "{\"tx\":" << jsonString(rec.TxCode) << ",\"state\":" << rec.State << ",\"time\":\""
                      << lists::isoListTime(rec.Time) << "\",\"id\":" << rec.ID << ",\"user\":" << jsonUser(rec.User)
                      << "}\n";
        } else {
            std::cout << tabLine({rec.TxCode, std::to_string(rec.State), lists::formatListTime(rec.Time),
                                  std::to_string(rec.ID), rec.User[0], rec.User[1], rec.User[2], rec.User[3]})
                      << "\n";
        }
    }
    return 0;
}

} // namespace vorbix::tools
