#include "ui/app/PageGrids.h"

namespace vorbix::ui {

void PageGrids::add(app::Page page, Grid grid)
{
    m_grids[page] = std::move(grid);
}

const PageGrids::Grid* PageGrids::shown(app::Page page) const
{
    const auto found = m_grids.find(page);
    if (found == m_grids.end() || found->second.text == nullptr) {
        return nullptr;
    }
    const Grid& grid = found->second;
    return !grid.shown || grid.shown() ? &grid : nullptr;
}

} // namespace vorbix::ui
