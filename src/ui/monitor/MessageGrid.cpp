#include "ui/monitor/MessageGrid.h"

#include "core/base/TextNumbers.h"
#include "ui/app/QtText.h"

#include <QDateTime>
#include <QFont>
#include <QHeaderView>
#include <QStyledItemDelegate>

namespace vorbix::ui {
namespace {

QColor rgb(std::uint32_t colour)
{
    return QColor::fromRgb(static_cast<QRgb>(colour));
}

// The alarm colours stay while a row is selected: the selection would otherwise paint over them.
class AlarmColoursDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_Selected;
        option->state &= ~QStyle::State_HasFocus;
        option->textElideMode = Qt::ElideRight;
        if (index.column() == MessageTableModel::Tick) {
            option->displayAlignment = Qt::AlignCenter;
            option->decorationAlignment = Qt::AlignCenter;
        }
    }
};

} // namespace

MessageTableModel::MessageTableModel(const monitor::TMonitor& setup, const monitor::Reception& reception,
                                     QObject* parent)
    : QAbstractTableModel(parent), m_setup(setup), m_reception(reception)
{
}

void MessageTableModel::refresh()
{
    beginResetModel();
    m_rows = m_reception.rows();
    endResetModel();
}

void MessageTableModel::blink(bool phase)
{
    m_phase = phase;
    if (!m_rows.empty()) {
        emit dataChanged(index(0, 0), index(static_cast<int>(m_rows.size()) - 1, ColumnCount - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole});
    }
}

int MessageTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int MessageTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MessageTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= m_rows.size()) {
        return {};
    }
    const monitor::ActiveRow& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Number:
            return row.number;
        case Text:
            return fromCp(row.text);
        case Activated:
            return QDateTime::fromSecsSinceEpoch(std::chrono::system_clock::to_time_t(row.activatedAt))
                .toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
        default:
            return {};
        }
    case Qt::CheckStateRole:
        return index.column() == Tick ? QVariant(row.marked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::BackgroundRole:
    case Qt::ForegroundRole: {
        const monitor::MessageLook look = m_setup.NastavPismo(row.position, toCp(m_fontName));
        const monitor::ShownColours shown = monitor::shownColours(look, m_phase);
        return rgb(role == Qt::BackgroundRole ? shown.background : shown.text);
    }
    case Qt::FontRole: {
        QFont font(m_fontName);
        font.setPointSize(std::max(1, m_setup.Messages[static_cast<std::size_t>(row.position)].Size));
        return font;
    }
    default:
        return {};
    }
}

QVariant MessageTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || m_lang == nullptr) {
        return {};
    }
    switch (section) {
    case Number:
        return fromCp(LangText(*m_lang, lang::kMonitorMessage));
    case Text:
        return fromCp(LangText(*m_lang, lang::kMonitorText));
    case Activated:
        return fromCp(LangText(*m_lang, lang::kMonitorActivated));
    default:
        return QString();
    }
}

MessageGrid::MessageGrid(MessageTableModel* model, QWidget* parent) : QTableView(parent), m_model(model)
{
    setObjectName(QStringLiteral("MessageGrid"));
    setModel(model);
    setItemDelegate(new AlarmColoursDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    setColumnWidth(MessageTableModel::Tick, 32);
    setColumnWidth(MessageTableModel::Number, 80);
    setColumnWidth(MessageTableModel::Text, 400);
    // Only a press in the tick column acts; the rest of a row is for looking at.
    connect(this, &QTableView::pressed, this, [this](const QModelIndex& index) {
        if (index.column() == MessageTableModel::Tick) {
            emit tickPressed(index.row() + 1);
        }
    });
    connect(model, &QAbstractItemModel::modelReset, this, &MessageGrid::applyRowHeights);
}

void MessageGrid::applyRowHeights()
{
    const auto& rows = m_model->rows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        verticalHeader()->resizeSection(static_cast<int>(r), rows[r].height);
    }
}

} // namespace vorbix::ui
