#pragma once

#include "core/export/SheetFormat.h"

#include <string>

namespace vorbix::ui {

// The save dialog's filters of File > Export, in the order offered.
enum class ExportFilter
{
    Xlsx,
    Csv,
    Sylk,
    All,  // "All files"
    None, // no filter reported (scripted dialogs)
};

// What File > Export writes for a chosen name and filter: a name ending in ".xlsx", ".csv" or ".xls"
// (any case) is written in that format whatever the filter; otherwise the filter decides, and a
// name whose last part has no extension gets the format's. "All files" and no filter keep the
// historical default, the SYLK file.
struct ExportTarget
{
    exports::SheetFormat format = exports::SheetFormat::Sylk;
    std::string path;
};
ExportTarget exportTarget(const std::string& chosen, ExportFilter filter);

} // namespace vorbix::ui
