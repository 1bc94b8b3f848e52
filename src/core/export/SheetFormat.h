#pragma once

#include "core/export/SheetTable.h"

#include <string>

namespace vorbix::exports {

// The file formats a page exports to.
enum class SheetFormat
{
    Sylk, // ".xls", the historical spreadsheet file in code page 1250
    Xlsx,
    Csv,
};

// "xlsx", "csv" or "sylk"; false for any other name.
[[nodiscard]] bool sheetFormatNamed(const std::string& name, SheetFormat& format);

// The format a file name asks for by its extension (any case): ".xlsx", ".csv"; everything else
// is the SYLK file.
SheetFormat sheetFormatOfPath(const std::string& path);

// Writes the table in the format; false with the error text (code page 1250 for the SYLK file's
// own messages, the file system's otherwise). The target is untouched on failure.
[[nodiscard]] bool exportTable(const SheetTable& table, SheetFormat format, const std::string& target,
                               std::string& error);

} // namespace vorbix::exports
