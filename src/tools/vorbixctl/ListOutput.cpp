#include "tools/vorbixctl/ListOutput.h"

#include "core/text/Cp1250.h"
#include "core/text/TextFile.h"
#include "tools/vorbixctl/HumanText.h"
#include "tools/vorbixctl/SharedOptions.h"

#include <cstdio>
#include <iostream>

namespace vorbix::tools {

bool parseListArgs(const std::string& command, const std::vector<std::string>& args, bool& json)
{
    ctl::SharedOptions shared;
    std::string error;
    (void)ctl::takeSharedOptions(args, ctl::kJsonOption, shared, error); // --json takes no value
    json = shared.json;
    if (!shared.rest.empty()) {
        std::cerr << "vorbixctl: unexpected argument: " << shared.rest.front() << "\nusage: vorbixctl " << command
                  << " [--json]\n";
        return false;
    }
    return true;
}

bool checkListLoad(const lists::ListLoad& load, const std::string& path)
{
    if (!load.opened && !load.missing) {
        std::cerr << "vorbixctl: " << load.error << "\n";
        return false;
    }
    if (load.skippedLines > 0) {
        std::cerr << "vorbixctl: " << path << ": " << load.skippedLines
                  << " line(s) that do not read (too few fields or a time that does not read) left out, the first: "
                  << humanText(load.firstSkipped) << "\n";
    }
    return true;
}

std::string jsonString(const std::string& cp1250Text)
{
    std::string out = "\"";
    for (const char c : cp1250::toUtf8(cp1250Text)) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string jsonUser(const std::array<std::string, 4>& user)
{
    return "[" + jsonString(user[0]) + "," + jsonString(user[1]) + "," + jsonString(user[2]) + "," +
           jsonString(user[3]) + "]";
}

std::string tabLine(const std::vector<std::string>& cp1250Fields)
{
    std::string line;
    for (std::size_t i = 0; i < cp1250Fields.size(); ++i) {
        line += (i == 0 ? "" : "\t") + humanText(cp1250Fields[i]);
    }
    return line;
}

} // namespace vorbix::tools
