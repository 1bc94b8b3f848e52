#include "ui/monitor/MonitorTable.h"

#include "ui/widgets/GridLook.h"

#include "ui/widgets/ColourKeepingDelegate.h"
#include "ui/widgets/QtText.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <algorithm>

namespace vorbix::ui {

namespace {

constexpr int kRowHeight = 20;
constexpr int kSwatchRole = Qt::UserRole + 2;

} // namespace

class MonitorTable::Model : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void reset(const views::GridText* text)
    {
        beginResetModel();
        m_text = text;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !m_text ? 0 : m_text->rowCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !m_text ? 0 : m_text->columnCount();
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!m_text || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
            return {};
        }
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
            return fromCp(m_text->cellText(index.row(), index.column()));
        }
        if (role == kSwatchRole && index.column() == m_swatchColumn && m_swatchOf) {
            if (const std::optional<unsigned> colour = m_swatchOf(index.row())) {
                return QColor::fromRgb(*colour);
            }
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !m_text) {
            return QAbstractTableModel::headerData(section, orientation, role);
        }
        return fromCp(m_text->title(section));
    }

    int m_swatchColumn = -1;
    SwatchOf m_swatchOf;

private:
    const views::GridText* m_text = nullptr;
};

// The colour column: a box 3 pixels inside the cell in the message's colour, framed in black.
class MonitorTable::SwatchDelegate : public ColourKeepingDelegate
{
public:
    using ColourKeepingDelegate::ColourKeepingDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        ColourKeepingDelegate::paint(painter, option, index);
        const QVariant colour = index.data(kSwatchRole);
        if (!colour.isValid()) {
            return;
        }
        const QRect box = option.rect.adjusted(3, 3, -4, -4);
        painter->save();
        painter->setPen(Qt::black);
        painter->setBrush(colour.value<QColor>());
        painter->drawRect(box);
        painter->restore();
    }
};

MonitorTable::MonitorTable(const QString& objectName, QAbstractItemView::SelectionMode selection, QWidget* parent)
    : DataGrid(objectName, parent), m_model(new Model(this))
{
    setModel(m_model);
    setItemDelegate(new SwatchDelegate(this));
    setUpStringGrid(*this, selection, kRowHeight);
    // Serial numbers, buttons and sound names show whole.
    fitToTexts(true);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { emit currentRowChanged(current.isValid() ? current.row() : -1); });
}

void MonitorTable::rebuild(const views::GridText* text)
{
    const int row = currentRow();
    const std::vector<int> widths = columnWidths();
    // The reset changes no width the user set: the columns get the same ones back.
    m_settingWidths = true;
    m_text = text;
    m_model->reset(text);
    m_settingWidths = false;
    setColumnWidths(widths);
    selectRow(std::min(row, m_model->rowCount() - 1));
}

void MonitorTable::setSwatchColumn(int column, SwatchOf swatchOf)
{
    m_model->m_swatchColumn = column;
    m_model->m_swatchOf = std::move(swatchOf);
}

} // namespace vorbix::ui
