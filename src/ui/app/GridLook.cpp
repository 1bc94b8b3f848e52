#include "ui/app/GridLook.h"

#include <QHeaderView>
#include <QTableView>

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
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
}

} // namespace vorbix::ui
