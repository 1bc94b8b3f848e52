#pragma once

#include "core/model/TData.h"
#include "core/views/RecordCells.h"

#include <string>
#include <vector>

namespace vorbix::views {

// One field that differs between two records of the same transmitter, titled as the file view's
// column (the user's words in the language shown).
struct FieldChange
{
    std::string title;
    std::string before;
    std::string after;
};

struct RecordDifference
{
    enum class Kind
    {
        Added,   // only in the second table
        Removed, // only in the first
        Changed, // in both, with fields that differ
    };
    Kind kind = Kind::Added;
    std::string serial; // prefix and serial digits as the grids show them
    std::string button;
    int slotBefore = 0; // 0 when the record is not in the first table
    int slotAfter = 0;  // 0 when it is not in the second
    std::vector<FieldChange> fields;
};

struct RecordDiff
{
    std::vector<RecordDifference> differences; // removed and changed in the first table's slot order, then added
    int added = 0;
    int removed = 0;
    int changed = 0;

    bool same() const { return differences.empty(); }
};

// Which fields count.
enum class DiffFields
{
    All,      // every field a data file keeps
    Receiver, // only what a receiver stores: functions, channels, times and, where the model keeps
              // it, the part of User 1 it keeps (not the ID, type, prefix or the other user texts)
};

// The records of two tables of one model compared by transmitter (the serial digits and the
// button), not by slot: a delete moves the records after it and an upload packs them, so slots
// say nothing. A transmitter used by several records is matched in slot order. `context` gives the
// function names, times and column titles.
RecordDiff diffRecords(const model::RecordTable& before, const model::RecordTable& after, const ViewContext& context,
                       DiffFields fields);

} // namespace vorbix::views
