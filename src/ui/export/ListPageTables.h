#pragma once

#include "core/export/SheetTable.h"

namespace vorbix::ui {

class ListsFeature;

// The history and battery pages' tables as their grids show them, with the list records behind the
// rows (for the time stamps). Empty while a grid has no view yet.
exports::SheetTable historyPageTable(ListsFeature& lists);
exports::SheetTable batteryPageTable(ListsFeature& lists);

} // namespace vorbix::ui
