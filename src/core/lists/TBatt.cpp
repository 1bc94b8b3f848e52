#include "core/lists/TBatt.h"

#include "core/lists/EventCode.h"
#include "core/lists/ListFiles.h"
#include "core/lists/ListLine.h"
#include "core/lists/ListLinking.h"
#include "core/lists/ListSort.h"
#include "core/model/TxCode.h"

#include <algorithm>

namespace vorbix::lists {

namespace {

constexpr std::size_t kBatteryFields = 8;

bool lessBy(int key, const TLowBatt& a, const TLowBatt& b)
{
    switch (key) {
    case 0:
        return a.TxCode < b.TxCode;
    case 1:
        return a.State < b.State;
    case 2:
        return a.Time.key() < b.Time.key();
    case 3:
        return a.ID < b.ID;
    default:
        return a.User[static_cast<std::size_t>(key - 4)] < b.User[static_cast<std::size_t>(key - 4)];
    }
}

} // namespace

std::string lowBattLine(const TLowBatt& rec)
{
    return joinListFields({rec.TxCode, std::to_string(rec.State), formatListTime(rec.Time), std::to_string(rec.ID),
                           rec.User[0], rec.User[1], rec.User[2], rec.User[3]});
}

bool parseLowBattLine(std::string_view line, TLowBatt& rec)
{
    std::vector<std::string> fields = splitListFields(line);
    if (fields.size() < kMinimumListFields) {
        return false;
    }
    const bool hasTime = fields.size() > 2;
    fields.resize(std::max(fields.size(), kBatteryFields));
    rec = TLowBatt{};
    rec.TxCode = fields[0];
    rec.State = decimalField(fields[1]);
    if (hasTime && !parseListTime(fields[2], rec.Time)) {
        return false;
    }
    rec.ID = decimalField(fields[3]);
    for (std::size_t u = 0; u < 4; ++u) {
        rec.User[u] = fields[4 + u];
    }
    return true;
}

std::string formatLowBatt(const std::vector<TLowBatt>& records)
{
    std::string content;
    for (const TLowBatt& rec : records) {
        content += lowBattLine(rec);
        content += "\r\n";
    }
    return content;
}

ListLoad parseLowBatt(std::string_view content, std::vector<TLowBatt>& records)
{
    return parseListLines<TLowBatt>(content, records, &parseLowBattLine);
}

void linkLowBattEntry(TLowBatt& rec, const model::RecordTable& records)
{
    const std::string serial = model::SerialOfTxCode(rec.TxCode);
    linkToMatchingRecords(rec.ID, rec.User, records,
                          [&](const model::TData& record) { return record.Serial == serial; });
}

ListLoad TBatt::LoadLowBatt()
{
    Records.clear();
    std::string content;
    ListLoad load;
    if (!readListFile(m_path, content, load, m_read)) {
        return load;
    }
    return parseLowBatt(content, Records);
}

bool TBatt::SaveLowBatt(std::string& error) const
{
    return writeListFile(m_path, formatLowBatt(Records), m_read, error);
}

TBatt::Report TBatt::ReportBattery(std::string_view txCode, bool low, const ListTime& time,
                                   const model::RecordTable& records, int sortKey, bool sortUp, int* followed)
{
    Report report;
    if (isInputDevice(txCode)) {
        report.ignored = true;
        return report;
    }
    // With several entries of the code (a hand-edited file) the last one is taken.
    auto found = std::find_if(Records.rbegin(), Records.rend(), [&](const TLowBatt& r) { return r.TxCode == txCode; });
    TLowBatt* entry = nullptr;
    if (found != Records.rend()) {
        entry = &*found;
        entry->Time = time;
        if (entry->State == 0 && !low) {
            entry->State = 1;
        } else if (entry->State == 1 && low) {
            entry->State = 0;
        }
    } else if (low) {
        TLowBatt rec;
        rec.TxCode = std::string(txCode);
        rec.Time = time;
        Records.push_back(std::move(rec));
        entry = &Records.back();
    }
    if (entry != nullptr) {
        linkLowBattEntry(*entry, records);
    }
    report.saved = SortLowBatt(sortKey, sortUp, report.error, followed);
    return report;
}

bool TBatt::RemoveChanged(std::string& error)
{
    std::erase_if(Records, [](const TLowBatt& r) { return r.State > 0; });
    return SaveLowBatt(error);
}

bool TBatt::RemoveEntry(int position, std::string& error)
{
    if (position >= 0 && static_cast<std::size_t>(position) < Records.size()) {
        Records.erase(Records.begin() + position);
    }
    return SaveLowBatt(error);
}

bool TBatt::ClearAll(std::string& error)
{
    Records.clear();
    return SaveLowBatt(error);
}

bool TBatt::LinkLowBattUserData(const model::RecordTable& records, std::string& error)
{
    for (TLowBatt& rec : Records) {
        linkLowBattEntry(rec, records);
    }
    return SaveLowBatt(error);
}

bool TBatt::SortLowBatt(int key, bool ascending, std::string& error, int* followed)
{
    if (key >= 0 && key < kBatteryFieldCount) {
        const int moved = stableSortFollowing(
            Records, ascending, [key](const TLowBatt& a, const TLowBatt& b) { return lessBy(key, a, b); },
            followed ? *followed : -1);
        if (followed) {
            *followed = moved;
        }
    }
    return SaveLowBatt(error);
}

} // namespace vorbix::lists
