#pragma once

#include "core/app/StatusView.h"
#include "core/export/SheetTable.h"

#include <QMetaObject>
#include <QPointer>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vorbix::views {
class GridText;
}

namespace vorbix::ui {

class DataGrid;

// The table of each page as texts, for find, export and print, and for the record picker: the
// record views register the memory and file pages' grids, the lists and the monitor theirs. A grid
// counts only while it is shown on its page.
class PageGrids
{
public:
    // A transmitter as its row shows it: serial number, button code.
    using Transmitter = std::pair<std::string, std::string>;

    struct Grid
    {
        const views::GridText* text = nullptr;
        std::function<bool()> shown;                    // the grid is visible on its page now
        std::function<void(int row)> selectRow;         // selects and shows a data row
        std::function<std::vector<int>()> selectedRows; // the selected data rows (Copy)
        DataGrid* view = nullptr;                       // the table, for the record picker
        // The transmitter of a data row; none when the row (or the page) shows none.
        std::function<std::optional<Transmitter>(int row)> transmitterOf;
        // The table as export and print take it; unset, the page has none.
        std::function<exports::SheetTable()> sheet;
    };

    // The grid of a table that shows `text`: shown while the table is not hidden, its rows selected
    // through it; no transmitters.
    static Grid of(const views::GridText* text, DataGrid* view);

    // `text` must outlive the registry; a later registration of the page replaces the earlier one.
    void add(app::Page page, Grid grid);
    // The page has a grid, shown or not.
    bool has(app::Page page) const { return m_grids.count(page) > 0; }
    // The page's grid when it is registered and shown; null otherwise.
    const Grid* shown(app::Page page) const;

    // The record picker on the page's grid: until stopPicking, a double click on a row is a pick
    // that runs `picked`, and not the grid's own activation. False when the page has no table
    // with transmitters.
    bool startPicking(app::Page page, std::function<void()> picked);
    void stopPicking();
    // The transmitters of the selected rows of the page's shown grid, from the top.
    std::vector<Transmitter> selectedTransmitters(app::Page page) const;

private:
    std::map<app::Page, Grid> m_grids;
    QPointer<DataGrid> m_picking;
    QMetaObject::Connection m_picked;
};

} // namespace vorbix::ui
