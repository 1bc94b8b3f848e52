#pragma once

#include "core/export/SheetTable.h"

#include <string>

namespace vorbix::exports {

class TFreeExcelS;

// Writes the table cell by cell: the title row as spreadsheet row 1, data row r as row r + 2, grid
// column c as column c + 1. Integer columns take the cell text as a number (text when it is not
// one), time-stamp columns the row's day count; empty cells are written as empty texts.
[[nodiscard]] bool writeSheet(const SheetTable& table, TFreeExcelS& writer, std::string& error);

// The whole export into `target`: false with the error text to show; the file is then untouched.
[[nodiscard]] bool exportSheet(const SheetTable& table, const std::string& target, std::string& error);

// A chosen name whose last part has no extension gets ".xls".
std::string withXlsExtension(const std::string& path);

} // namespace vorbix::exports
