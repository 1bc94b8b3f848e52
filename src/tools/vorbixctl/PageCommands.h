#pragma once

#include <string>
#include <vector>

namespace vorbix::tools {

// `export FILE.rxd --view memory|file -o OUT.xls [--json]` and `export --history|--battery -o
// OUT.xls`: the view of a data file, or the folder's history or low-battery list, as the program's
// spreadsheet file (a name without extension gets ".xls").
// `print FILE.rxd --view memory|file --pdf OUT.pdf [--json]` and `print --history|--battery --pdf
// OUT.pdf`: the same table laid out as the program prints it, as an A4 PDF.
// The file view takes the folder's column configuration and sort, the lists the columns of the
// Single layout and the grids' order (the history newest first, the battery list by its stored
// sort). One line, or one JSON object, tells the file and the rows. Exit code 0, 1 when a file
// cannot be read or written, 2 for a bad command line.
int runExport(const std::string& programFolder, const std::vector<std::string>& args);
int runPrint(const std::string& programFolder, const std::vector<std::string>& args);

} // namespace vorbix::tools
