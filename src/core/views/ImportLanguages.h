#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/TRxFnc.h"
#include "core/views/RecordImport.h"

#include <deque>
#include <string>

namespace vorbix::views {

// What the languages other than the one shown give an import: their column titles and their
// function names, so that a file exported while the program spoke another language reads as well.
// The setup points into it: it must outlive the check.
struct OtherLanguages
{
    std::deque<PopisType> tables;
    std::deque<model::TRxFnc> functions;
};

// Adds to `setup.otherTitles` a context for each shipped language but `shownCode` that loads from
// the program folder: its language texts, its user column titles and its function names for
// `model`. A language whose files do not load is left out.
void addOtherLanguages(ImportSetup& setup, const std::string& programFolder, const std::string& shownCode,
                       const std::string& model, OtherLanguages& keep);

} // namespace vorbix::views
