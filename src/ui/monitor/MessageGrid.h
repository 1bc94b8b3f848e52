#pragma once

#include "core/base/LanguageTable.h"
#include "core/monitor/Reception.h"
#include "ui/widgets/DataGrid.h"

#include <QAbstractTableModel>
#include <QFont>
#include <array>
#include <chrono>
#include <optional>
#include <vector>

namespace vorbix::ui {

// The table of active messages: row k holds the message activated k-th, each row in its message's
// colours, font size and blinking; column 0 is the tick box that marks a message for "Deactive".
class MessageTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        Tick,
        Number,
        Text,
        Activated,
        ColumnCount
    };

    MessageTableModel(const monitor::TMonitor& setup, const monitor::Reception& reception, QObject* parent = nullptr);

    void setLanguage(const PopisType* lang) { m_lang = lang; }
    void setFontName(const QString& name) { m_fontName = name; }
    // MessageGridRefresh: the rows again from the messages.
    void refresh();
    // A blink tick: the colours of every row are drawn again.
    void blink(bool phase);
    bool blinkPhase() const { return m_phase; }
    // The tick boxes drawn again after a mark changed.
    void marksChanged();

    // The rows of the active messages; the link-lost alarm is not among them.
    const std::vector<monitor::ActiveRow>& rows() const { return m_rows; }

    // The link-lost alarm: a row of its own after the messages, with the program's text, no number
    // and no tick box (nothing acknowledges it), red and blinking, until the link is back.
    void showLinkAlarm(const QString& text, std::chrono::system_clock::time_point since);
    void clearLinkAlarm();
    // Its row in the table; -1 when the link is well.
    int linkAlarmRow() const { return m_linkAlarm ? static_cast<int>(m_rows.size()) : -1; }
    // The height of each row of the table, the alarm's included.
    std::vector<int> rowHeights() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const monitor::TMonitorData* messageOf(int row) const;
    bool blinks(int row) const;
    void addLinkAlarmRow();

    const monitor::TMonitor& m_setup;
    const monitor::Reception& m_reception;
    const PopisType* m_lang = nullptr;
    QString m_fontName = QStringLiteral("Tahoma");
    std::vector<monitor::ActiveRow> m_rows;
    struct Shown
    {
        std::array<monitor::ShownColours, 2> colours; // blink phase off, on
        QFont font;
        std::array<QString, ColumnCount> texts;
    };
    std::vector<Shown> m_shown; // one per row, the alarm's last
    struct LinkAlarm
    {
        QString text;
        std::chrono::system_clock::time_point since;
    };
    std::optional<LinkAlarm> m_linkAlarm;
    bool m_phase = false;
};

// MessageGrid: the view of the table. A press on a row's tick box asks for its message to be
// ticked (`tickPressed`, 1-based row). The time of activation takes the width the other columns
// leave.
class MessageGrid : public DataGrid
{
    Q_OBJECT
public:
    explicit MessageGrid(MessageTableModel* model, QWidget* parent = nullptr);

    MessageTableModel& table() const { return *m_model; }
    // After a refresh: each row as high as its message's text size + 12.
    void applyRowHeights();
    // Widens the text column, when it is narrower, so that the text of `row` shows whole; the
    // times of activation keep their room.
    void fitTextOf(int row);

signals:
    void tickPressed(int row);

private:
    MessageTableModel* m_model;
};

} // namespace vorbix::ui
