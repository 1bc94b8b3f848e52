#pragma once

#include "core/lists/ListRecords.h"

#include <array>
#include <string>
#include <vector>

// What the list commands share: their command line, reading a list file, and JSON text.
namespace vorbix::tools {

// False, with the message on stderr, for anything but an optional "--json".
bool parseListArgs(const std::string& command, const std::vector<std::string>& args, bool& json);

// Reports a load on stderr: false when the file exists but cannot be read; lines left out are noted.
bool checkListLoad(const lists::ListLoad& load, const std::string& path);

// A cp1250 text as a JSON string (UTF-8, quotes, backslashes and control characters escaped).
std::string jsonString(const std::string& cp1250Text);
std::string jsonUser(const std::array<std::string, 4>& user);

// Tab-separated UTF-8 fields, each as humanText shows it.
std::string tabLine(const std::vector<std::string>& cp1250Fields);

} // namespace vorbix::tools
