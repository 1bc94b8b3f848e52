#pragma once

#include "core/model/TData.h"

#include <utility>
#include <vector>

namespace vorbix::views {

// The records of the slots one change touched, as they were before and after it: what an undo puts
// back and a redo puts again.
struct RecordChange
{
    std::vector<std::pair<int, model::TData>> before;
    std::vector<std::pair<int, model::TData>> after;

    bool empty() const { return before.empty(); }
};

// The slots whose records differ between two states of the same table (the sort mark, a work flag
// of the user view, does not count). Tables of different sizes are not one data set: nothing is
// reported for the slots beyond the shorter one.
RecordChange changedRecords(const model::RecordTable& before, const model::RecordTable& after);

// Writes the given slot contents into the table; slots outside it are skipped.
void putRecords(model::RecordTable& table, const std::vector<std::pair<int, model::TData>>& records);

} // namespace vorbix::views
