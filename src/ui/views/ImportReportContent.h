#pragma once

#include "core/base/LanguageTable.h"
#include "core/views/RecordImport.h"
#include "ui/widgets/ReportDialog.h"

namespace vorbix::ui {

// The report of a CSV import before anything changes: the encoding detected, the counts, the
// columns ignored, and a row per line that adds, changes or is refused (with the reason), in the
// file's line order.
ReportContent importReportContent(const views::ImportReport& report, const PopisType& lang);

} // namespace vorbix::ui
