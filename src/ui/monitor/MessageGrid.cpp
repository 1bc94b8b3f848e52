#include "ui/monitor/MessageGrid.h"

#include "core/base/TextNumbers.h"
#include "ui/widgets/QtText.h"

#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <ctime>

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

// "dd.MM.yyyy hh:mm:ss" in local time, as the lists show times.
QString activatedText(std::chrono::system_clock::time_point when)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm parts{};
    ::localtime_r(&seconds, &parts);
    char text[24];
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &parts);
    return QString::fromLatin1(text);
}

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
    // What the cells show is worked out once here: blinking draws the table twice a second.
    m_shown.clear();
    const std::string fontName = toCp(m_fontName);
    for (const monitor::ActiveRow& row : m_rows) {
        Shown shown;
        const monitor::MessageLook look = m_setup.NastavPismo(row.position, fontName);
        shown.colours = {monitor::shownColours(look, false), monitor::shownColours(look, true)};
        shown.font = QFont(m_fontName);
        shown.font.setPointSize(std::max(1, row.height - 12));
        shown.texts = {QString(), QString::number(row.number), fromCp(row.text), activatedText(row.activatedAt)};
        m_shown.push_back(std::move(shown));
    }
    addLinkAlarmRow();
    endResetModel();
}

void MessageTableModel::addLinkAlarmRow()
{
    if (!m_linkAlarm) {
        return;
    }
    Shown shown;
    const monitor::MessageLook look = monitor::linkAlarmLook(toCp(m_fontName));
    shown.colours = {monitor::shownColours(look, false), monitor::shownColours(look, true)};
    shown.font = QFont(m_fontName);
    shown.font.setPointSize(look.FontSize);
    shown.texts = {QString(), QString(), m_linkAlarm->text, activatedText(m_linkAlarm->since)};
    m_shown.push_back(std::move(shown));
}

void MessageTableModel::showLinkAlarm(const QString& text, std::chrono::system_clock::time_point since)
{
    m_linkAlarm = LinkAlarm{text, since};
    refresh();
}

void MessageTableModel::clearLinkAlarm()
{
    m_linkAlarm.reset();
    refresh();
}

std::vector<int> MessageTableModel::rowHeights() const
{
    std::vector<int> heights;
    for (const monitor::ActiveRow& row : m_rows) {
        heights.push_back(row.height);
    }
    if (m_linkAlarm) {
        heights.push_back(monitor::kLinkAlarmSize + 12);
    }
    return heights;
}

void MessageTableModel::blink(bool phase)
{
    m_phase = phase;
    // Only the rows of blinking messages change; runs of them are drawn again together.
    const int count = rowCount();
    for (int first = 0; first < count;) {
        if (!blinks(first)) {
            ++first;
            continue;
        }
        int last = first;
        while (last + 1 < count && blinks(last + 1)) {
            ++last;
        }
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1), {Qt::BackgroundRole, Qt::ForegroundRole});
        first = last + 1;
    }
}

void MessageTableModel::marksChanged()
{
    if (!m_rows.empty()) {
        emit dataChanged(index(0, Tick), index(static_cast<int>(m_rows.size()) - 1, Tick), {Qt::CheckStateRole});
    }
}

const monitor::TMonitorData* MessageTableModel::messageOf(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size()) {
        return nullptr;
    }
    const int position = m_rows[static_cast<std::size_t>(row)].position;
    // The rows are as of the last refresh; a setup replaced since has other messages.
    if (position < 0 || static_cast<std::size_t>(position) >= m_setup.Messages.size()) {
        return nullptr;
    }
    return &m_setup.Messages[static_cast<std::size_t>(position)];
}

bool MessageTableModel::blinks(int row) const
{
    if (row == linkAlarmRow()) {
        return true;
    }
    const monitor::TMonitorData* m = messageOf(row);
    return m != nullptr && m->Blink;
}

int MessageTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int MessageTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MessageTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const monitor::TMonitorData* message = messageOf(index.row());
    if (message == nullptr && index.row() != linkAlarmRow()) {
        return {};
    }
    const Shown& shown = m_shown[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == Tick ? QVariant() : QVariant(shown.texts[static_cast<std::size_t>(index.column())]);
    case Qt::CheckStateRole:
        // The link-lost alarm has no tick box: only the link's return clears it.
        if (index.column() != Tick || message == nullptr) {
            return {};
        }
        return message->Marked ? Qt::Checked : Qt::Unchecked;
    case Qt::BackgroundRole:
    case Qt::ForegroundRole: {
        const monitor::ShownColours& colours = shown.colours[m_phase ? 1 : 0];
        return rgb(role == Qt::BackgroundRole ? colours.background : colours.text);
    }
    case Qt::ToolTipRole:
        // A text the column cuts short reads whole under the pointer.
        return index.column() == Text ? QVariant(shown.texts[Text]) : QVariant();
    case Qt::FontRole:
        return shown.font;
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

MessageGrid::MessageGrid(MessageTableModel* model, QWidget* parent)
    : DataGrid(QStringLiteral("MessageGrid"), parent), m_model(model)
{
    setModel(model);
    setItemDelegate(new AlarmColoursDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    setColumnWidths({32, 80, 200});
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
    const std::vector<int> heights = m_model->rowHeights();
    for (std::size_t r = 0; r < heights.size(); ++r) {
        verticalHeader()->resizeSection(static_cast<int>(r), heights[r]);
    }
}

void MessageGrid::fitTextOf(int row)
{
    const QModelIndex cell = m_model->index(row, MessageTableModel::Text);
    const QFont font = m_model->data(cell, Qt::FontRole).value<QFont>();
    const int needed = QFontMetrics(font).horizontalAdvance(m_model->data(cell, Qt::DisplayRole).toString()) + 12;
    const int room = viewport()->width() - columnWidth(MessageTableModel::Tick) -
                     columnWidth(MessageTableModel::Number) - sizeHintForColumn(MessageTableModel::Activated);
    if (columnWidth(MessageTableModel::Text) < needed) {
        setColumnWidth(MessageTableModel::Text, std::max(columnWidth(MessageTableModel::Text), std::min(needed, room)));
    }
}

} // namespace vorbix::ui
