#pragma once

#include <string>
#include <vector>

namespace vorbix::tools {

// import FILE.rxd --csv IN.csv -o OUT.rxd [--json] [--skip-bad]: rows of a CSV file with the file
// view's columns into a data file, each checked by the record dialog's rules.
int runImport(const std::string& programFolder, const std::vector<std::string>& args);

// diff A.rxd B.rxd [--json]: the records of two data files compared by transmitter.
int runDiff(const std::string& programFolder, const std::vector<std::string>& args);

} // namespace vorbix::tools
