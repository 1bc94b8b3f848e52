#include "ui/views/RecordTableModel.h"

#include "core/views/GridText.h"
#include "ui/widgets/QtText.h"

#include <QColor>

namespace vorbix::ui {

RecordTableModel::RecordTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordTableModel::setGrid(const views::GridText* grid)
{
    beginResetModel();
    m_grid = grid;
    endResetModel();
}

void RecordTableModel::rebuild(const views::GridText* grid, const std::function<void()>& change)
{
    beginResetModel();
    m_grid = nullptr;
    change();
    m_grid = grid;
    endResetModel();
}

int RecordTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_grid ? 0 : m_grid->rowCount();
}

int RecordTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_grid ? 0 : m_grid->columnCount();
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    if (!m_grid || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return fromCp(m_grid->cellText(index.row(), index.column()));
    case Qt::ForegroundRole:
        return m_grid->isFaulty(index.row()) ? QVariant(QColor(255, 0, 0)) : QVariant();
    case FaultyRole:
        return m_grid->isFaulty(index.row());
    default:
        return {};
    }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !m_grid || section < 0 ||
        section >= m_grid->columnCount()) {
        return {};
    }
    return fromCp(m_grid->title(section));
}

} // namespace vorbix::ui
