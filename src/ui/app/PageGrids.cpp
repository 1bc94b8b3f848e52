#include "ui/app/PageGrids.h"

#include "ui/widgets/DataGrid.h"

#include <QItemSelectionModel>
#include <algorithm>

namespace vorbix::ui {

PageGrids::Grid PageGrids::of(const views::GridText* text, DataGrid* view)
{
    Grid grid;
    grid.text = text;
    grid.shown = [view] { return !view->isHidden(); };
    grid.selectRow = [view](int row) { view->selectRow(row); };
    grid.selectedRows = [view] { return view->selectedRows(); };
    grid.view = view;
    return grid;
}

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

bool PageGrids::startPicking(app::Page page, std::function<void()> picked)
{
    stopPicking();
    const auto found = m_grids.find(page);
    if (found == m_grids.end() || found->second.view == nullptr || !found->second.transmitterOf) {
        return false;
    }
    m_picking = found->second.view;
    m_picking->setPicking(true);
    m_picked =
        QObject::connect(m_picking, &DataGrid::rowsPicked, m_picking, [picked = std::move(picked)] { picked(); });
    return true;
}

void PageGrids::stopPicking()
{
    QObject::disconnect(m_picked);
    if (m_picking != nullptr) {
        m_picking->setPicking(false);
    }
    m_picking = nullptr;
}

std::vector<PageGrids::Transmitter> PageGrids::selectedTransmitters(app::Page page) const
{
    const Grid* grid = shown(page);
    if (grid == nullptr || grid->view == nullptr || !grid->transmitterOf || grid->view->selectionModel() == nullptr) {
        return {};
    }
    std::vector<int> rows;
    for (const QModelIndex& index : grid->view->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    std::vector<Transmitter> transmitters;
    for (const int row : rows) {
        if (std::optional<Transmitter> transmitter = grid->transmitterOf(row)) {
            transmitters.push_back(std::move(*transmitter));
        }
    }
    return transmitters;
}

} // namespace vorbix::ui
