#include "ui/lists/ListTableModel.h"

#include "core/lists/ListViews.h"
#include "ui/widgets/QtText.h"

#include <QColor>

namespace vorbix::ui {

ListTableModel::ListTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ListTableModel::rebuild(const std::function<const lists::ListView*()>& change)
{
    beginResetModel();
    m_view = nullptr;
    m_view = change();
    endResetModel();
}

int ListTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_view ? 0 : m_view->rowCount();
}

int ListTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_view ? 0 : m_view->columnCount();
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const
{
    if (!m_view || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return fromCp(m_view->cellText(index.row(), index.column()));
    case Qt::ForegroundRole:
        switch (m_view->mark(index.row(), index.column())) {
        case lists::CellMark::Red:
            return QColor(255, 0, 0);
        case lists::CellMark::Green:
            return QColor(0, 0x80, 0);
        case lists::CellMark::None:
            break;
        }
        return {};
    case MarkRole:
        return m_view->mark(index.row(), index.column()) != lists::CellMark::None;
    default:
        return {};
    }
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !m_view) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return fromCp(m_view->title(section));
}

std::string ListTableModel::Text::title(int column) const
{
    return m_model.m_view ? m_model.m_view->title(column) : std::string();
}

std::string ListTableModel::Text::cellText(int row, int column) const
{
    return m_model.m_view ? m_model.m_view->cellText(row, column) : std::string();
}

} // namespace vorbix::ui
