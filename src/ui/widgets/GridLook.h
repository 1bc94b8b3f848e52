#pragma once

#include <QAbstractItemView>
#include <vector>

class QTableView;

namespace vorbix::ui {

// The look the program's string grids share: whole rows selected, nothing edited in place, one line
// per row of a fixed height, no row headers, columns 64 wide that the user resizes, the last one
// taking the rest of the width, and titles that take clicks (for sorting).
void setUpStringGrid(QTableView& grid, QAbstractItemView::SelectionMode selection, int rowHeight);

// Makes `row` the current and only selected row and scrolls it into view. Unlike
// QTableView::selectRow it ignores the keyboard modifiers held at the time, so a find started with
// Ctrl+N does not extend the selection.
void selectOnlyRow(QTableView& grid, int row);

// The widths of the grid's columns, in order.
std::vector<int> columnWidthsOf(const QTableView& grid);
// Sets the widths of the first columns; widths beyond the grid's columns are ignored.
void setColumnWidthsOf(QTableView& grid, const std::vector<int>& widths);

} // namespace vorbix::ui
