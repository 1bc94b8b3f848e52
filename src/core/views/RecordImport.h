#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/TData.h"
#include "core/model/TDevice.h"
#include "core/model/TTx.h"
#include "core/text/CsvReader.h"
#include "core/views/RecordCells.h"
#include "core/views/RecordChanges.h"

#include <string>
#include <vector>

// Records from a CSV file with the file view's columns: each row checked with the record dialog's
// rules before anything changes.
namespace vorbix::views {

// What the check needs besides the file: the data set's model and functions (in `context`), the
// transmitter types, and further contexts whose column titles are also recognised (the other
// language's titles; `context`'s own always are).
struct ImportSetup
{
    ViewContext context;
    std::vector<ViewContext> otherTitles;
    std::vector<model::TTx> types;
    bool typesLoaded = true;
};

struct ImportedRow
{
    int line = 0;
    int slot = 0;
    bool added = false; // false: the row changes the record of that slot
};

struct RefusedRow
{
    int line = 0;
    std::string reason; // code page 1250
};

struct ImportReport
{
    csv::Encoding encoding = csv::Encoding::Utf8;
    std::vector<std::string> unknownColumns; // titles the file view has no column for
    std::vector<ImportedRow> rows;           // accepted rows that change something, in file order
    int unchanged = 0;                       // accepted rows that name a record as it already is
    std::vector<RefusedRow> refused;
    int toAdd = 0;
    int toChange = 0;

    // The data set as it will be with every accepted row applied.
    model::TDevice device;
    model::RecordTable records;
};

// Checks every row of the file against the data set (`device`, `records`, which are not changed).
// A row with a slot that holds a record changes that record; any other row takes the first free
// slot. False, with the reason, when the file as a whole cannot be used: it does not read as CSV,
// or its title row names no column of the file view. Refused rows are in the report, not an error.
[[nodiscard]] bool checkImport(const csv::Content& file, const model::TDevice& device,
                               const model::RecordTable& records, const ImportSetup& setup, const PopisType& lang,
                               ImportReport& report, std::string& error);

// Applies the accepted rows of the report as one change: the slots it touched before and after, to
// keep as one undo step.
RecordChange applyImport(model::TDevice& device, model::RecordTable& records, const ImportReport& report);

} // namespace vorbix::views
