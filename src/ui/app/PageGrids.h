#pragma once

#include "core/app/StatusView.h"

#include <functional>
#include <map>
#include <vector>

namespace vorbix::views {
class GridText;
}

namespace vorbix::ui {

// The table of each page as texts, for find, export and print: the record views register the
// memory and file pages' grids, the lists and the monitor theirs. A grid counts only while it is
// shown on its page.
class PageGrids
{
public:
    struct Grid
    {
        const views::GridText* text = nullptr;
        std::function<bool()> shown;                    // the grid is visible on its page now
        std::function<void(int row)> selectRow;         // selects and shows a data row
        std::function<std::vector<int>()> selectedRows; // the selected data rows (Copy)
    };

    // `text` must outlive the registry; a later registration of the page replaces the earlier one.
    void add(app::Page page, Grid grid);
    // The page has a grid, shown or not.
    bool has(app::Page page) const { return m_grids.count(page) > 0; }
    // The page's grid when it is registered and shown; null otherwise.
    const Grid* shown(app::Page page) const;

private:
    std::map<app::Page, Grid> m_grids;
};

} // namespace vorbix::ui
