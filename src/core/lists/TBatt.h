#pragma once

#include "core/lists/ListRecords.h"
#include "core/model/TData.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorbix::lists {

// The sort keys of the low-battery list, numbered as the setting BatteryMonitorSortCol stores them.
enum class BatteryField
{
    TxCode = 0,
    State = 1,
    Time = 2,
    ID = 3,
    User1 = 4, // User 1..4 are 4..7
};
inline constexpr int kBatteryFieldCount = 8;

// The transmitters that reported a low battery, one entry each, kept in "LowBatt.dat" (program
// folder). An entry is linked to every record with its serial, whatever the button.
class TBatt
{
public:
    explicit TBatt(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }

    // As THistory::LoadHistory.
    ListLoad LoadLowBatt();
    [[nodiscard]] bool SaveLowBatt(std::string& error) const;

    // What a report did: nothing for the input device (`ignored`), else the list was sorted and
    // saved; `followed` is the new index of the entry that stood there before.
    struct Report
    {
        bool ignored = false;
        bool saved = false;
        std::string error;
    };
    // A first low report adds an entry; a good report marks a low entry changed, a low one marks a
    // changed entry low again; every report of a listed transmitter takes its time. Then the sort
    // by `sortKey` / `sortUp` and the save, also when nothing changed.
    Report ReportBattery(std::string_view txCode, bool low, const ListTime& time, const model::RecordTable& records,
                         int sortKey, bool sortUp, int* followed = nullptr);

    // Removes the changed entries (State above 0), keeping the order of the rest, then saves.
    [[nodiscard]] bool RemoveChanged(std::string& error);
    // Removes the entry at `position` when it exists, then saves (also when it does not).
    [[nodiscard]] bool RemoveEntry(int position, std::string& error);
    // Empties the list and saves.
    [[nodiscard]] bool ClearAll(std::string& error);
    // Every entry linked anew, then the save.
    [[nodiscard]] bool LinkLowBattUserData(const model::RecordTable& records, std::string& error);
    // Stable sort by key number 0..7 (any other leaves the order), then the save. `followed`, when
    // given, is moved to the new index of its entry.
    [[nodiscard]] bool SortLowBatt(int key, bool ascending, std::string& error, int* followed = nullptr);

    std::vector<TLowBatt> Records;

private:
    std::string m_path;
    mutable bool m_read = false; // the file was read, or there was none: the list may be written
};

// "TxCode#State#Time#ID#User1#User2#User3#User4#".
std::string lowBattLine(const TLowBatt& rec);
// As parseHistoryLine.
[[nodiscard]] bool parseLowBattLine(std::string_view line, TLowBatt& rec);
std::string formatLowBatt(const std::vector<TLowBatt>& records);
ListLoad parseLowBatt(std::string_view content, std::vector<TLowBatt>& records);

// Links the entry (see linkToMatchingRecords) to the records with its serial; without one it stays
// as it was.
void linkLowBattEntry(TLowBatt& rec, const model::RecordTable& records);

} // namespace vorbix::lists
