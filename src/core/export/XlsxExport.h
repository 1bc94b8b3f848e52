#pragma once

#include "core/export/SheetTable.h"

#include <string>

namespace vorbix::exports {

// The table as a workbook of one sheet: a bold title row frozen at the top with an autofilter,
// texts in Unicode (serial numbers stay texts with their leading zeros), Integer columns as
// numbers, TimeStamp columns as date cells shown "yyyy-mm-dd hh:mm:ss". Column widths follow the
// grid's widths where the table has them, otherwise the longest text of the column.
//
// The workbook is built in a private scratch folder and then written whole over `target`, so a
// failed export leaves the old file as it was. False with the error text.
[[nodiscard]] bool exportXlsx(const SheetTable& table, const std::string& target, std::string& error);

} // namespace vorbix::exports
