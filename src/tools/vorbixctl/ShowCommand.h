#pragma once

#include <string>
#include <vector>

namespace vorbix::tools {

// `show FILE.rxd [--view memory|file] [--sort N] [--desc]`: prints the memory view or the file
// view of a data file as tab-separated UTF-8 lines, the title row first, each line ending in the
// "faulty" column (1 for a row the program draws in red). The file view uses the column
// configuration of the folder's "Vorbix.ini" and sorts by column N (default 0), descending with
// --desc. Exit code 0 on success, 1 when the file or the definitions cannot be read, 2 for a bad
// command line.
int runShow(const std::string& programFolder, const std::vector<std::string>& args);

} // namespace vorbix::tools
