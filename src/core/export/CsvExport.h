#pragma once

#include "core/export/SheetTable.h"

#include <string>
#include <string_view>

namespace vorbix::exports {

// One CSV field in UTF-8: quoted (quotes doubled) when it holds a comma, a quote, a line break or
// leading or trailing blanks; as it is otherwise.
std::string csvField(std::string_view utf8Text);

// The table as UTF-8 CSV: the title row, then every data row, fields separated by "," and records
// ended by CR LF. The cells are the grid's texts (code page 1250, converted here).
std::string csvText(const SheetTable& table);

// The whole CSV file into `target`: false with the error text; the file is then untouched.
[[nodiscard]] bool exportCsv(const SheetTable& table, const std::string& target, std::string& error);

} // namespace vorbix::exports
