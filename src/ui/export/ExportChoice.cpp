#include "ui/export/ExportChoice.h"

#include "core/export/SheetExport.h"

#include <algorithm>
#include <cctype>

namespace vorbix::ui {
namespace {

std::string lowerExtension(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

} // namespace

ExportTarget exportTarget(const std::string& chosen, ExportFilter filter)
{
    const std::string extension = lowerExtension(chosen);
    if (extension == ".xlsx" || extension == ".csv" || extension == ".xls") {
        return {exports::sheetFormatOfPath(chosen), chosen};
    }
    const bool bare = extension.empty();
    switch (filter) {
    case ExportFilter::Xlsx:
        return {exports::SheetFormat::Xlsx, bare ? chosen + ".xlsx" : chosen};
    case ExportFilter::Csv:
        return {exports::SheetFormat::Csv, bare ? chosen + ".csv" : chosen};
    case ExportFilter::Sylk:
    case ExportFilter::All:
    case ExportFilter::None:
        break;
    }
    return {exports::SheetFormat::Sylk, exports::withXlsExtension(chosen)};
}

} // namespace vorbix::ui
