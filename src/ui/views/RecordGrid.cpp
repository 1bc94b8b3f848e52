#include "ui/views/RecordGrid.h"
#include "ui/app/GridLook.h"

#include "ui/app/ColourKeepingDelegate.h"
#include "ui/views/RecordTableModel.h"

#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>

namespace vorbix::ui {

namespace {

constexpr int RowHeight = 20;

} // namespace

RecordGrid::RecordGrid(const QString& objectName, QWidget* parent)
    : QTableView(parent), m_model(new RecordTableModel(this))
{
    setObjectName(objectName);
    setModel(m_model);
    setItemDelegate(new ColourKeepingDelegate(this));
    setUpStringGrid(*this, QAbstractItemView::ContiguousSelection, RowHeight);
}

std::vector<int> RecordGrid::selectedRows() const
{
    std::vector<int> rows;
    if (selectionModel()) {
        for (const QModelIndex& index : selectionModel()->selectedRows()) {
            rows.push_back(index.row());
        }
    }
    std::sort(rows.begin(), rows.end());
    if (rows.empty() && currentIndex().isValid()) {
        rows.push_back(currentIndex().row());
    }
    return rows;
}

void RecordGrid::selectRow(int row)
{
    selectOnlyRow(*this, row);
}

int RecordGrid::currentRowOrZero() const
{
    return currentIndex().isValid() ? currentIndex().row() : 0;
}

std::vector<int> RecordGrid::columnWidths() const
{
    return columnWidthsOf(*this);
}

void RecordGrid::setColumnWidths(const std::vector<int>& widths)
{
    for (int column = 0; column < m_model->columnCount() && static_cast<std::size_t>(column) < widths.size();
         ++column) {
        setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
    }
}

void RecordGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid()) {
        emit editRequested();
    }
}

} // namespace vorbix::ui
