#pragma once

#include "core/base/LanguageTable.h"
#include "core/views/RecordDiff.h"
#include "ui/widgets/ReportDialog.h"

namespace vorbix::ui {

// What an upload will change in the receiver, asked before it writes: the counts of records
// added, removed and changed (or that nothing changes), a row per changed field and per record
// added or removed, then the upload question; OK is "Upload".
ReportContent uploadDiffContent(const views::RecordDiff& diff, const PopisType& lang);

} // namespace vorbix::ui
