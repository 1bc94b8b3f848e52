#include "ui/widgets/DataGrid.h"

#include "core/app/Settings.h"
#include "ui/widgets/GridLook.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <algorithm>

namespace vorbix::ui {

DataGrid::DataGrid(const QString& objectName, QWidget* parent) : QTableView(parent)
{
    setObjectName(objectName);
    QHeaderView* header = horizontalHeader();
    connect(header, &QHeaderView::sectionClicked, this, &DataGrid::titleClicked);
    connect(header, &QHeaderView::sectionResized, this, [this] {
        if (m_settingWidths) {
            return;
        }
        // Before the stored widths are back, a width changes only by the layout, never by the user;
        // written, it would replace the stored one.
        if (m_settings != nullptr && m_widthsLoaded) {
            m_settings->setWidths(m_section, columnWidths());
        }
        emit widthsChanged();
    });
}

std::vector<int> DataGrid::selectedRows() const
{
    std::vector<int> rows;
    if (selectionModel() != nullptr) {
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

int DataGrid::currentRow() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void DataGrid::selectRow(int row)
{
    selectOnlyRow(*this, row);
}

void DataGrid::setSortMark(int column, bool ascending)
{
    horizontalHeader()->setSortIndicatorShown(column >= 0);
    horizontalHeader()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

std::vector<int> DataGrid::columnWidths() const
{
    return columnWidthsOf(*this);
}

void DataGrid::setColumnWidths(const std::vector<int>& widths)
{
    m_settingWidths = true;
    setColumnWidthsOf(*this, widths);
    m_settingWidths = false;
}

void DataGrid::keepWidths(app::Settings& settings, std::string section)
{
    m_settings = &settings;
    m_section = std::move(section);
}

void DataGrid::loadWidths()
{
    if (m_settings == nullptr) {
        return;
    }
    m_widthsLoaded = true;
    if (const app::GridWidths* widths = m_settings->widthsOf(m_section)) {
        setColumnWidths(widths->widths);
    }
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid()) {
        return;
    }
    if (m_picking) {
        emit rowsPicked(index.row());
    } else {
        emit rowsActivated(index.row());
    }
}

} // namespace vorbix::ui
