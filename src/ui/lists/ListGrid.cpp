#include "ui/lists/ListGrid.h"
#include "ui/app/GridLook.h"

#include "ui/app/ColourKeepingDelegate.h"
#include "ui/lists/ListTableModel.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <algorithm>

namespace vorbix::ui {

namespace {

constexpr int RowHeight = 20;

} // namespace

ListGrid::ListGrid(const QString& objectName, QAbstractItemView::SelectionMode selection, QWidget* parent)
    : QTableView(parent), m_model(new ListTableModel(this))
{
    setObjectName(objectName);
    setModel(m_model);
    setItemDelegate(new ColourKeepingDelegate(this));
    setUpStringGrid(*this, selection, RowHeight);
    QHeaderView* header = horizontalHeader();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sectionClicked, this, &ListGrid::titleClicked);
    connect(header, &QHeaderView::sectionResized, this, [this] {
        if (!m_settingWidths) {
            emit widthsChanged();
        }
    });
}

std::vector<int> ListGrid::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    if (rows.empty() && currentIndex().isValid()) {
        rows.push_back(currentIndex().row());
    }
    return rows;
}

void ListGrid::selectRow(int row)
{
    selectOnlyRow(*this, row);
}

void ListGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) {
        emit rowDoubleClicked(index.row());
    }
}

void ListGrid::setSortMark(int column, bool ascending)
{
    horizontalHeader()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

std::vector<int> ListGrid::columnWidths() const
{
    return columnWidthsOf(*this);
}

void ListGrid::setColumnWidths(const std::vector<int>& widths)
{
    m_settingWidths = true;
    setColumnWidthsOf(*this, widths);
    m_settingWidths = false;
}

} // namespace vorbix::ui
