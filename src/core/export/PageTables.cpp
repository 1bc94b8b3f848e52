#include "core/export/PageTables.h"

#include "core/export/SylkCells.h"
#include "core/lists/ListViews.h"
#include "core/lists/TBatt.h"
#include "core/lists/THistory.h"
#include "core/views/ColumnConfig.h"
#include "core/views/GridText.h"
#include "core/views/MemoryView.h"
#include "core/views/UserView.h"

namespace vorbix::exports {

namespace {

constexpr int kWideColumn = 200;
constexpr int kTimeColumn = 350;
constexpr int kBatteryStateColumn = 300;
constexpr int kIdColumnAtMost = 250;

template <typename Grid> SheetTable textsOf(const Grid& grid)
{
    SheetTable table;
    const int columns = grid.columnCount();
    table.titles.reserve(static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        table.titles.push_back(grid.title(c));
    }
    table.rows.resize(static_cast<std::size_t>(grid.rowCount()));
    for (int r = 0; r < grid.rowCount(); ++r) {
        std::vector<std::string>& row = table.rows[static_cast<std::size_t>(r)];
        row.reserve(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            row.push_back(grid.cellText(r, c));
        }
    }
    table.kinds.assign(static_cast<std::size_t>(columns), CellKind::Text);
    table.widthRules.assign(static_cast<std::size_t>(columns), ColumnWidthRule{});
    return table;
}

void setColumn(SheetTable& table, int column, CellKind kind, ColumnWidthRule rule)
{
    if (column >= 0 && column < table.columnCount()) {
        table.kinds[static_cast<std::size_t>(column)] = kind;
        table.widthRules[static_cast<std::size_t>(column)] = rule;
    }
}

// The history and the battery list: fixed fields, then the time, the ID and the user texts found by
// field, as their columns move when user columns are hidden.
template <typename Record>
SheetTable listTable(const lists::ListView& view, const std::vector<Record>& records, int timeField, int idField,
                     int firstUserField)
{
    SheetTable table = textsOf(view);
    table.dayCounts.reserve(records.size());
    for (std::size_t r = 0; r < static_cast<std::size_t>(table.rowCount()) && r < records.size(); ++r) {
        table.dayCounts.push_back(dayCount(records[r].Time));
    }
    setColumn(table, view.columnOfField(timeField), CellKind::TimeStamp, {.atLeast = kTimeColumn});
    setColumn(table, view.columnOfField(idField), CellKind::Integer, {.atMost = kIdColumnAtMost});
    for (int u = 0; u < 4; ++u) {
        setColumn(table, view.columnOfField(firstUserField + u), CellKind::Text, {.flexible = true});
    }
    return table;
}

} // namespace

SheetTable memoryTable(const views::GridText& memoryView)
{
    SheetTable table = textsOf(memoryView);
    setColumn(table, 0, CellKind::Integer, {});
    setColumn(table, 3, CellKind::Text, {.atLeast = kWideColumn});
    setColumn(table, 5, CellKind::Text, {.atLeast = kWideColumn});
    // User 1, where the memory view shows it, is a free text: it takes the page's rest and may be cut.
    if (const auto* view = dynamic_cast<const views::MemoryView*>(&memoryView)) {
        for (std::size_t c = 0; c < view->columns().size(); ++c) {
            if (view->columns()[c].kind == views::MemoryColumn::Kind::User1) {
                setColumn(table, static_cast<int>(c), CellKind::Text, {.flexible = true});
            }
        }
    }
    return table;
}

SheetTable userTable(const views::UserView& userView)
{
    SheetTable table = textsOf(userView);
    for (int c = 0; c < table.columnCount(); ++c) {
        const int code = userView.codeOf(c);
        if (code == views::code::Position) {
            setColumn(table, c, CellKind::Integer, {});
        } else if (code == views::code::ID) {
            setColumn(table, c, CellKind::Integer, {.atMost = kIdColumnAtMost});
        } else if (code > views::code::RelayFunctionBase || code == views::code::Function ||
                   code == views::code::Time) {
            setColumn(table, c, CellKind::Text, {.atLeast = kWideColumn});
        } else if (code >= views::code::User1 && code < views::code::User1 + 4) {
            setColumn(table, c, CellKind::Text, {.flexible = true});
        }
    }
    return table;
}

SheetTable historyTable(const lists::ListView& view, const std::vector<lists::THistoryRec>& records)
{
    using lists::HistoryField;
    SheetTable table = listTable(view, records, static_cast<int>(HistoryField::Time),
                                 static_cast<int>(HistoryField::ID), static_cast<int>(HistoryField::User1));
    setColumn(table, view.columnOfField(static_cast<int>(HistoryField::LowBatt)), CellKind::Text,
              {.atLeast = kBatteryStateColumn});
    return table;
}

SheetTable batteryTable(const lists::ListView& view, const std::vector<lists::TLowBatt>& records)
{
    using lists::BatteryField;
    SheetTable table = listTable(view, records, static_cast<int>(BatteryField::Time),
                                 static_cast<int>(BatteryField::ID), static_cast<int>(BatteryField::User1));
    setColumn(table, view.columnOfField(static_cast<int>(BatteryField::State)), CellKind::Text,
              {.atLeast = kBatteryStateColumn});
    return table;
}

} // namespace vorbix::exports
