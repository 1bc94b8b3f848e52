#pragma once

#include <QAbstractItemView>

class QTableView;

namespace vorbix::ui {

// The look the program's string grids share: whole rows selected, nothing edited in place, one line
// per row of a fixed height, no row headers, columns 64 wide that the user resizes, and titles that
// take clicks (for sorting).
void setUpStringGrid(QTableView& grid, QAbstractItemView::SelectionMode selection, int rowHeight);

} // namespace vorbix::ui
