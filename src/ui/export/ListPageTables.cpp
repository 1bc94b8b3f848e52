#include "ui/export/ListPageTables.h"

#include "core/export/PageTables.h"
#include "ui/lists/BatteryPage.h"
#include "ui/lists/HistoryPage.h"
#include "ui/lists/ListGrid.h"
#include "ui/lists/ListTableModel.h"
#include "ui/lists/ListsFeature.h"

namespace vorbix::ui {

exports::SheetTable historyPageTable(ListsFeature& lists)
{
    const lists::ListView* view = lists.historyPage().grid()->tableModel()->view();
    return view != nullptr ? exports::historyTable(*view, lists.history().Records) : exports::SheetTable{};
}

exports::SheetTable batteryPageTable(ListsFeature& lists)
{
    const lists::ListView* view = lists.batteryPage().grid()->tableModel()->view();
    return view != nullptr ? exports::batteryTable(*view, lists.batt().Records) : exports::SheetTable{};
}

} // namespace vorbix::ui
