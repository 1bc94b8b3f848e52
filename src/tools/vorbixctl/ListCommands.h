#pragma once

#include <string>
#include <vector>

namespace vorbix::tools {

// `history [--json]` and `battery [--json]`: the folder's "History.dat" / "LowBatt.dat" in file
// order, one entry a line, as tab-separated UTF-8 fields as the file holds them, or with --json one
// object per line. A missing file is an empty list; lines whose time does not read are left out
// with a note on stderr. Exit code 0, 1 when the file cannot be read, 2 for a bad command line.
int runHistory(const std::string& programFolder, const std::vector<std::string>& args);
int runBattery(const std::string& programFolder, const std::vector<std::string>& args);

// `accounts [--json]`: the application user accounts of the folder's "Ucty.dat" in file order, as
// "NAME<TAB>administrator|user<TAB>PROFILE" or one JSON object a line; never the passwords. A
// missing file lists nothing. Exit code 0, 1 when the file cannot be read, 2 for a bad command line.
int runAccounts(const std::string& programFolder, const std::vector<std::string>& args);

} // namespace vorbix::tools
