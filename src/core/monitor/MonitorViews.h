#pragma once

#include "core/base/LanguageTable.h"
#include "core/monitor/TMonitorData.h"
#include "core/views/GridText.h"

#include <array>
#include <string>
#include <vector>

// The three tables of the monitor page as texts: the messages, and the Active and Deactive events of
// the current message.
namespace vorbix::monitor {

// MonitorGrid's sort keys (MonitorSortCol): Number, Text (byte order), Colour, Size, Blink, Sound,
// ShowWindow (false first); any other key keeps the setup's order.
inline constexpr int kMonitorColumns = 7;
inline constexpr int kColourColumn = 2; // drawn as a swatch, no text

// The positions of `messages` in the table's order: a stable sort, descending by the reversed
// comparison, so equal keys keep their order both ways. The messages themselves are not moved.
std::vector<int> monitorTableOrder(const std::vector<TMonitorData>& messages, int sortColumn, bool ascending);

// MonitorGrid: number, text, colour (no text), size, blink (text 228 or "-"), sound (its name, the own
// file's name without folder, or "-"), window (the picture's name, text 228 without a picture, "-"
// when off). Titles 232, 233, 234, 257, 235, 236, 226.
class MonitorTableView final : public views::GridText
{
public:
    MonitorTableView(const std::vector<TMonitorData>& messages, const PopisType& lang, int sortColumn, bool ascending);

    int rowCount() const override { return static_cast<int>(m_order.size()); }
    int columnCount() const override { return kMonitorColumns; }
    std::string title(int column) const override;
    std::string cellText(int row, int column) const override;
    bool isFaulty(int /*row*/) const override { return false; }

    // The message a row shows (its position in the setup), -1 outside.
    int positionOf(int row) const;
    // The row showing the message numbered `number`, -1 when none does.
    int rowOfNumber(int number) const;

private:
    const std::vector<TMonitorData>& m_messages;
    const PopisType& m_lang;
    std::vector<int> m_order;
};

// ActiveGrid / DeactiveGrid: transmitter (text 28), button (text 29), then the shown user columns
// (ID, User 1..4) with their titles. `events` may be null: no message, no rows.
class EventTableView final : public views::GridText
{
public:
    EventTableView(const std::vector<TEvent>* events, const PopisType& lang,
                   const std::array<std::string, 5>& userTitles, const std::array<bool, 5>& shownUserColumns);

    int rowCount() const override;
    int columnCount() const override { return static_cast<int>(m_fields.size()); }
    std::string title(int column) const override;
    std::string cellText(int row, int column) const override;
    bool isFaulty(int /*row*/) const override { return false; }

private:
    const std::vector<TEvent>* m_events;
    const PopisType& m_lang;
    std::array<std::string, 5> m_userTitles;
    std::vector<int> m_fields; // 0 code, 1 button, 2 ID, 3..6 User 1..4
};

} // namespace vorbix::monitor
