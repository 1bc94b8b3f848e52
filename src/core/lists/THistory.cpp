#include "core/lists/THistory.h"

#include "core/lists/EventCode.h"
#include "core/lists/ListFiles.h"
#include "core/lists/ListLine.h"
#include "core/lists/ListLinking.h"
#include "core/lists/ListSort.h"
#include "core/model/TxCode.h"

#include <algorithm>

namespace vorbix::lists {

namespace {

constexpr std::size_t kHistoryFields = 9;

bool lessBy(HistoryField field, const THistoryRec& a, const THistoryRec& b)
{
    switch (field) {
    case HistoryField::TxCode:
        return a.TxCode < b.TxCode;
    case HistoryField::Code:
        return a.Code < b.Code;
    case HistoryField::Time:
        return a.Time.key() < b.Time.key();
    case HistoryField::LowBatt:
        return !a.LowBatt && b.LowBatt;
    case HistoryField::ID:
        return a.ID < b.ID;
    default: {
        const auto user = static_cast<std::size_t>(static_cast<int>(field) - static_cast<int>(HistoryField::User1));
        return user < 4 && a.User[user] < b.User[user];
    }
    }
}

} // namespace

std::string historyLine(const THistoryRec& rec)
{
    return joinListFields({rec.TxCode, rec.Code, formatListTime(rec.Time), rec.LowBatt ? "1" : "0",
                           std::to_string(rec.ID), rec.User[0], rec.User[1], rec.User[2], rec.User[3]});
}

bool parseHistoryLine(std::string_view line, THistoryRec& rec)
{
    std::vector<std::string> fields = splitListFields(line);
    if (fields.size() < kMinimumListFields) {
        return false;
    }
    const bool hasTime = fields.size() > 2;
    fields.resize(std::max(fields.size(), kHistoryFields));
    rec = THistoryRec{};
    rec.TxCode = fields[0];
    rec.Code = fields[1];
    // A line that ends before its time keeps the zero time; a time that is there must parse.
    if (hasTime && !parseListTime(fields[2], rec.Time)) {
        return false;
    }
    rec.LowBatt = fields[3] == "1";
    rec.ID = decimalField(fields[4]);
    for (std::size_t u = 0; u < 4; ++u) {
        rec.User[u] = fields[5 + u];
    }
    return true;
}

std::string formatHistory(const std::vector<THistoryRec>& records)
{
    std::string content;
    content.reserve(records.size() * 48);
    for (const THistoryRec& rec : records) {
        content += historyLine(rec);
        content += "\r\n";
    }
    return content;
}

ListLoad parseHistory(std::string_view content, std::vector<THistoryRec>& records)
{
    return parseListLines<THistoryRec>(content, records, &parseHistoryLine);
}

void linkHistoryEntry(THistoryRec& rec, const model::RecordTable& records)
{
    const std::string serial = model::SerialOfTxCode(rec.TxCode);
    linkToMatchingRecords(rec.ID, rec.User, records, [&](const model::TData& record) {
        return record.Serial == serial && ButtonsOverlap(rec.Code, record.Button);
    });
}

ListLoad THistory::LoadHistory()
{
    Records.clear();
    std::string content;
    ListLoad load;
    if (!readListFile(m_path, content, load, m_read)) {
        return load;
    }
    return parseHistory(content, Records);
}

bool THistory::SaveHistory(std::string& error) const
{
    return writeListFile(m_path, formatHistory(Records), m_read, error);
}

bool THistory::ClearHistory(std::string& error)
{
    m_read = true; // clearing is meant to replace whatever the file holds
    if (!writeListFile(m_path, std::string(), m_read, error)) {
        return false;
    }
    LoadHistory();
    return true;
}

void THistory::TrimHistory(int historyLength)
{
    const auto length = static_cast<std::size_t>(std::max(historyLength, 0));
    if (Records.size() > length) {
        Records.resize(length);
    }
}

bool THistory::AddEvent(std::string_view txCode, std::string_view buttonCode, bool lowBatt, const ListTime& time,
                        int historyLength, const model::RecordTable& records, std::string& error)
{
    // A length below 1 would leave no place for the new entry.
    if (Records.size() >= static_cast<std::size_t>(std::max(historyLength, 1)) && !Records.empty()) {
        Records.pop_back();
    }
    THistoryRec rec;
    rec.TxCode = std::string(txCode);
    rec.Code = EventCodeText(txCode, buttonCode);
    rec.LowBatt = lowBatt;
    rec.Time = time;
    linkHistoryEntry(rec, records);
    Records.insert(Records.begin(), std::move(rec));
    return SaveHistory(error);
}

bool THistory::LinkUserData(const model::RecordTable& records, std::string& error)
{
    for (THistoryRec& rec : Records) {
        linkHistoryEntry(rec, records);
    }
    return SaveHistory(error);
}

int THistory::SortHistory(HistoryField field, bool ascending, int followed)
{
    return stableSortFollowing(
        Records, ascending, [field](const THistoryRec& a, const THistoryRec& b) { return lessBy(field, a, b); },
        followed);
}

} // namespace vorbix::lists
