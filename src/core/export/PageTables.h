#pragma once

#include "core/export/SheetTable.h"
#include "core/lists/ListRecords.h"

#include <vector>

namespace vorbix::views {
class GridText;
class UserView;
} // namespace vorbix::views

namespace vorbix::lists {
class ListView;
}

// The table of each page that exports and prints, with its numeric columns and print widths. The
// time stamps come from the list records (record r for grid row r), not from the grid's texts.
namespace vorbix::exports {

// MemGrid: column 0 (the slot) an integer; columns 3 and 5 print at least 200 wide; the User 1
// column of a memory view shares the rest of the page.
SheetTable memoryTable(const views::GridText& memoryView);

// UserGrid: the position and ID columns integers; relay, function and time columns print at least
// 200 wide, the ID column at most 250, the four user texts share the rest of the page.
SheetTable userTable(const views::UserView& userView);

// HistoryGrid over its records in grid order: the time a time stamp, the ID an integer; the time
// prints at least 350 wide, the battery state 300, the ID at most 250, the user texts share the rest.
SheetTable historyTable(const lists::ListView& view, const std::vector<lists::THistoryRec>& records);

// BatteryGrid likewise: the state at least 300, the time 350 (a time stamp), the ID at most 250 (an
// integer), the user texts share the rest.
SheetTable batteryTable(const lists::ListView& view, const std::vector<lists::TLowBatt>& records);

} // namespace vorbix::exports
