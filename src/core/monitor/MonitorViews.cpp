#include "core/monitor/MonitorViews.h"

#include "core/base/TextNumbers.h"
#include "core/lists/ListSort.h"
#include "core/monitor/MonitorLooks.h"

#include <numeric>

namespace vorbix::monitor {

namespace {

bool lessBy(int column, const TMonitorData& a, const TMonitorData& b)
{
    switch (column) {
    case 0:
        return a.Number < b.Number;
    case 1:
        return a.Text < b.Text; // std::string compares bytes as unsigned
    case 2:
        return a.Colour < b.Colour;
    case 3:
        return a.Size < b.Size;
    case 4:
        return !a.Blink && b.Blink;
    case 5:
        return a.Sound < b.Sound;
    case 6:
        return !a.ShowWindow && b.ShowWindow;
    default:
        return false;
    }
}

std::string fileNamePart(const std::string& path)
{
    // Setups written elsewhere may name files with backslashes.
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::vector<int> monitorTableOrder(const std::vector<TMonitorData>& messages, int sortColumn, bool ascending)
{
    std::vector<int> order(messages.size());
    std::iota(order.begin(), order.end(), 0);
    lists::stableSortFollowing(
        order, ascending,
        [&messages, sortColumn](int a, int b) {
            return lessBy(sortColumn, messages[static_cast<std::size_t>(a)], messages[static_cast<std::size_t>(b)]);
        },
        -1);
    return order;
}

MonitorTableView::MonitorTableView(const std::vector<TMonitorData>& messages, const PopisType& lang, int sortColumn,
                                   bool ascending)
    : m_messages(messages), m_lang(lang), m_order(monitorTableOrder(messages, sortColumn, ascending))
{
}

std::string MonitorTableView::title(int column) const
{
    static constexpr int kTitles[kMonitorColumns] = {lang::kMonitorMessage, lang::kMonitorText,  lang::kMonitorColour,
                                                     lang::kMonitorSize,    lang::kMonitorBlink, lang::kMonitorSound,
                                                     lang::kMonitorWindow};
    return column >= 0 && column < kMonitorColumns ? LangText(m_lang, kTitles[column]) : std::string();
}

int MonitorTableView::positionOf(int row) const
{
    return row >= 0 && row < rowCount() ? m_order[static_cast<std::size_t>(row)] : -1;
}

int MonitorTableView::rowOfNumber(int number) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (m_messages[static_cast<std::size_t>(positionOf(row))].Number == number) {
            return row;
        }
    }
    return -1;
}

std::string MonitorTableView::cellText(int row, int column) const
{
    const int position = positionOf(row);
    if (position < 0) {
        return {};
    }
    const TMonitorData& m = m_messages[static_cast<std::size_t>(position)];
    switch (column) {
    case 0:
        return std::to_string(m.Number);
    case 1:
        return m.Text;
    case 3:
        return std::to_string(m.Size);
    case 4:
        return m.Blink ? LangText(m_lang, lang::kMonitorYes) : "-";
    case 5:
        if (m.Sound >= 1 && m.Sound <= 4) {
            return LangText(m_lang, lang::kSoundShortBeep + m.Sound - 1);
        }
        if (m.Sound == kPermanentAlarm) {
            return LangText(m_lang, lang::kSoundPermanentAlarm);
        }
        return m.Sound == kOwnSoundFile ? fileNamePart(m.SoundFile) : "-";
    case 6:
        if (!m.ShowWindow) {
            return "-";
        }
        return m.Picture.empty() ? LangText(m_lang, lang::kMonitorYes) : fileNamePart(m.Picture);
    default:
        return {};
    }
}

EventTableView::EventTableView(const std::vector<TEvent>* events, const PopisType& lang,
                               const std::array<std::string, 5>& userTitles,
                               const std::array<bool, 5>& shownUserColumns)
    : m_events(events), m_lang(lang), m_userTitles(userTitles), m_fields{0, 1}
{
    for (int u = 0; u < 5; ++u) {
        if (shownUserColumns[static_cast<std::size_t>(u)]) {
            m_fields.push_back(2 + u);
        }
    }
}

int EventTableView::rowCount() const
{
    return m_events != nullptr ? static_cast<int>(m_events->size()) : 0;
}

std::string EventTableView::title(int column) const
{
    if (column < 0 || column >= columnCount()) {
        return {};
    }
    const int field = m_fields[static_cast<std::size_t>(column)];
    if (field == 0) {
        return LangText(m_lang, lang::kColumnSerial);
    }
    if (field == 1) {
        return LangText(m_lang, lang::kColumnButton);
    }
    return m_userTitles[static_cast<std::size_t>(field - 2)];
}

std::string EventTableView::cellText(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return {};
    }
    const TEvent& e = (*m_events)[static_cast<std::size_t>(row)];
    switch (const int field = m_fields[static_cast<std::size_t>(column)]) {
    case 0:
        return e.TxCode;
    case 1:
        return e.ButtonCode;
    case 2:
        return std::to_string(e.ID);
    default:
        return e.User[static_cast<std::size_t>(field - 3)];
    }
}

} // namespace vorbix::monitor
