#include "ui/widgets/GridLook.h"

#include "ui/widgets/HeaderStyle.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace vorbix::ui {

void setUpStringGrid(QTableView& grid, QAbstractItemView::SelectionMode selection, int rowHeight)
{
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(selection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setWordWrap(false);
    grid.setTextElideMode(Qt::ElideRight);
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.verticalHeader()->setDefaultSectionSize(rowHeight);
    QHeaderView* header = grid.horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setDefaultSectionSize(64);
    header->setHighlightSections(false);
    header->setStretchLastSection(true); // the table uses the whole width of its page
    header->setSectionsClickable(true);
    auto* look = new HeaderStyle;
    look->setParent(header);
    header->setStyle(look);
}

void selectOnlyRow(QTableView& grid, int row)
{
    QAbstractItemModel* model = grid.model();
    if (!model || !grid.selectionModel() || row < 0 || row >= model->rowCount()) {
        return;
    }
    const QModelIndex current = grid.currentIndex();
    const QModelIndex index = model->index(row, current.isValid() ? current.column() : 0);
    grid.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid.scrollTo(index);
}

std::vector<int> columnWidthsOf(const QTableView& grid)
{
    std::vector<int> widths;
    const int columns = grid.model() ? grid.model()->columnCount() : 0;
    const QHeaderView* header = grid.horizontalHeader();
    const int stretched = header->stretchLastSection() ? header->logicalIndex(header->count() - 1) : -1;
    for (int column = 0; column < columns; ++column) {
        int width = grid.columnWidth(column);
        if (column == stretched) {
            // Stretched to the window: kept at what its title needs, as a width set on the stretched
            // column becomes its least width and a narrower window would scroll. (Its cells are not
            // measured: a grid being rebuilt may hold texts that are already gone.)
            width = std::min(width, std::max(header->defaultSectionSize(), header->sectionSizeHint(column)));
        }
        widths.push_back(width);
    }
    return widths;
}

void setColumnWidthsOf(QTableView& grid, const std::vector<int>& widths)
{
    const int columns = grid.model() ? grid.model()->columnCount() : 0;
    const auto count = std::min<std::size_t>(widths.size(), static_cast<std::size_t>(columns));
    for (std::size_t column = 0; column < count; ++column) {
        grid.setColumnWidth(static_cast<int>(column), widths[column]);
    }
}

} // namespace vorbix::ui
