#include "core/export/SheetFormat.h"

#include "core/export/CsvExport.h"
#include "core/export/SheetExport.h"
#include "core/export/XlsxExport.h"

#include <algorithm>
#include <cctype>

namespace vorbix::exports {

bool sheetFormatNamed(const std::string& name, SheetFormat& format)
{
    if (name == "xlsx") {
        format = SheetFormat::Xlsx;
    } else if (name == "csv") {
        format = SheetFormat::Csv;
    } else if (name == "sylk") {
        format = SheetFormat::Sylk;
    } else {
        return false;
    }
    return true;
}

SheetFormat sheetFormatOfPath(const std::string& path)
{
    const auto endsWith = [&path](const std::string& extension) {
        return path.size() >= extension.size() &&
               std::equal(extension.rbegin(), extension.rend(), path.rbegin(),
                          [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
    };
    if (endsWith(".xlsx")) {
        return SheetFormat::Xlsx;
    }
    if (endsWith(".csv")) {
        return SheetFormat::Csv;
    }
    return SheetFormat::Sylk;
}

bool exportTable(const SheetTable& table, SheetFormat format, const std::string& target, std::string& error)
{
    switch (format) {
    case SheetFormat::Xlsx:
        return exportXlsx(table, target, error);
    case SheetFormat::Csv:
        return exportCsv(table, target, error);
    case SheetFormat::Sylk:
        break;
    }
    return exportSheet(table, target, error);
}

} // namespace vorbix::exports
