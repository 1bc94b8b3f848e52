#pragma once

#include "core/lists/ListRecords.h"
#include "core/model/TData.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorbix::lists {

// The fields of a history entry, in file order; the sort keys of the history grid's columns.
enum class HistoryField
{
    TxCode,
    Code,
    Time,
    LowBatt,
    ID,
    User1, // User 1..4 follow
};

// The history of received events, newest first, kept in "History.dat" (program folder) after every
// change. Records with the same serial and an overlapping button lend an entry their user number and
// texts.
class THistory
{
public:
    explicit THistory(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }

    // Every line of the file, whatever the length setting; empty lines skipped. A line whose time
    // does not parse is left out and counted; the lines after it are read. A file that cannot be
    // read leaves the list empty (opened false).
    ListLoad LoadHistory();
    // Rewrites the file from the list in its order. False with "PATH: REASON"; nothing written.
    [[nodiscard]] bool SaveHistory(std::string& error) const;
    // Writes an empty file, then loads it. A failed write leaves the list as it was.
    [[nodiscard]] bool ClearHistory(std::string& error);
    // Keeps the first `historyLength` entries (the file follows at the next save).
    void TrimHistory(int historyLength);
    // A new entry on top with `time`, linked to `records`, then the save. The list grows while it
    // is shorter than `historyLength`; otherwise its last entry goes (a longer list read from an
    // older file keeps its length). The entry stays in the list when the save fails.
    [[nodiscard]] bool AddEvent(std::string_view txCode, std::string_view buttonCode, bool lowBatt,
                                const ListTime& time, int historyLength, const model::RecordTable& records,
                                std::string& error);
    // Every entry linked anew (see linkHistoryEntry), then the save.
    [[nodiscard]] bool LinkUserData(const model::RecordTable& records, std::string& error);
    // Stable sort by a field; returns the new index of the entry that stood at `followed`.
    int SortHistory(HistoryField field, bool ascending, int followed = -1);

    std::vector<THistoryRec> Records;

private:
    std::string m_path;
    mutable bool m_read = false; // the file was read, or there was none: the list may be written
};

// "TxCode#Code#Time#LowBatt#ID#User1#User2#User3#User4#".
std::string historyLine(const THistoryRec& rec);
// Reads a line by the file's rules; false when it has fewer than kMinimumListFields fields, or
// when a time field is there and does not parse.
[[nodiscard]] bool parseHistoryLine(std::string_view line, THistoryRec& rec);
// The file's content (CR LF after each line) and its reading, for the files and their tests.
std::string formatHistory(const std::vector<THistoryRec>& records);
ListLoad parseHistory(std::string_view content, std::vector<THistoryRec>& records);

// Links the entry (see linkToMatchingRecords) to the records whose serial equals the entry's serial
// digits and whose button overlaps the entry's code; without such a record it stays as it was.
void linkHistoryEntry(THistoryRec& rec, const model::RecordTable& records);

} // namespace vorbix::lists
