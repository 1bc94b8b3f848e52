#include "ui/widgets/DataGrid.h"

#include "core/app/Settings.h"
#include "core/views/ColumnFit.h"
#include "ui/widgets/GridLook.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <algorithm>

namespace vorbix::ui {
namespace {

// The rows measured for the cell widths: enough to meet every kind of text a column holds.
constexpr int kMeasuredRows = 2000;
// A column grows for its cells up to this width; longer free texts end in "..." as before.
constexpr int kWidestFit = 260;

} // namespace

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
    connect(header, &QHeaderView::sortIndicatorChanged, this, &DataGrid::fitSoon);
}

void DataGrid::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    if (model == nullptr) {
        return;
    }
    connect(model, &QAbstractItemModel::modelReset, this, &DataGrid::fitSoon);
    connect(model, &QAbstractItemModel::layoutChanged, this, &DataGrid::fitSoon);
    connect(model, &QAbstractItemModel::headerDataChanged, this, &DataGrid::fitSoon);
    connect(model, &QAbstractItemModel::dataChanged, this, &DataGrid::fitSoon);
    connect(model, &QAbstractItemModel::rowsInserted, this, &DataGrid::fitSoon);
    connect(model, &QAbstractItemModel::columnsInserted, this, &DataGrid::fitSoon);
    fitSoon();
}

void DataGrid::fitSoon()
{
    if (m_fitPending) {
        return;
    }
    m_fitPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_fitPending) {
            fitColumns();
        }
    });
}

void DataGrid::fitColumns()
{
    m_fitPending = false;
    const QAbstractItemModel* table = model();
    if (table == nullptr) {
        return;
    }
    const QHeaderView* header = horizontalHeader();
    const int columns = table->columnCount();
    if (static_cast<int>(m_fittedCells.size()) != columns) {
        m_fittedCells.assign(static_cast<std::size_t>(columns), 0);
    }
    const QFontMetrics titleFont(header->font());
    const QFontMetrics cellFont(font());
    const int headerMargin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int cellMargin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    views::ColumnRoom room;
    room.titleMargins = 2 * headerMargin + 2 * header->frameWidth() + 4;
    room.sortMark = header->isSortIndicatorShown()
                        ? style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + 2 * headerMargin
                        : 0;
    room.cellMargins = 2 * cellMargin + 4;
    room.widestFit = kWidestFit;
    const int stretched = header->stretchLastSection() ? header->logicalIndex(header->count() - 1) : -1;
    const int rows = std::min(table->rowCount(), kMeasuredRows);

    m_settingWidths = true;
    for (int column = 0; column < columns; ++column) {
        if (column == stretched || isColumnHidden(column)) {
            continue; // the window gives the last column the rest of its width
        }
        views::ColumnNeed need;
        need.width = columnWidth(column);
        need.title = titleFont.horizontalAdvance(table->headerData(column, Qt::Horizontal).toString());
        auto& fitted = m_fittedCells[static_cast<std::size_t>(column)];
        if (m_fitCells) {
            for (int row = 0; row < rows; ++row) {
                const QString text = table->index(row, column).data().toString();
                need.widestCell = std::max(need.widestCell, cellFont.horizontalAdvance(text));
            }
            need.fittedCell = fitted;
        }
        const int width = views::FitColumnWidth(need, room);
        if (width != need.width) {
            setColumnWidth(column, width);
        }
        fitted = std::max(fitted, need.widestCell);
    }
    m_settingWidths = false;
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
    fitSoon();
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
    fitSoon();
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
    // The stored widths are the user's; the cells are measured against them afresh.
    m_fittedCells.clear();
    fitSoon();
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
