#include "core/lists/ListViews.h"

#include "core/base/TextNumbers.h"
#include "core/lists/TBatt.h"
#include "core/lists/THistory.h"

namespace vorbix::lists {

void ListView::setColumns(int fixed, int firstUserField, const UserColumnsShown& shown)
{
    m_firstUserField = firstUserField;
    m_fields.clear();
    for (int f = 0; f < fixed; ++f) {
        m_fields.push_back(f);
    }
    for (int u = 0; u < 5; ++u) {
        if (shown[static_cast<std::size_t>(u)]) {
            m_fields.push_back(firstUserField + u);
        }
    }
}

int ListView::rowCount() const
{
    return entryCount();
}

int ListView::fieldOfColumn(int column) const
{
    return column >= 0 && column < columnCount() ? m_fields[static_cast<std::size_t>(column)] : -1;
}

int ListView::columnOfField(int field) const
{
    for (std::size_t c = 0; c < m_fields.size(); ++c) {
        if (m_fields[c] == field) {
            return static_cast<int>(c);
        }
    }
    return -1;
}

std::string ListView::title(int column) const
{
    const int field = fieldOfColumn(column);
    if (field < 0) {
        return {};
    }
    if (field >= m_firstUserField) {
        return m_userTitles[static_cast<std::size_t>(field - m_firstUserField)];
    }
    return fieldTitle(field);
}

std::string ListView::cellText(int row, int column) const
{
    const int field = fieldOfColumn(column);
    return field < 0 || row < 0 || row >= rowCount() ? std::string() : fieldText(row, field);
}

CellMark ListView::mark(int row, int column) const
{
    const int field = fieldOfColumn(column);
    return field < 0 || row < 0 || row >= rowCount() ? CellMark::None : fieldMark(row, field);
}

// --- history ---

HistoryView::HistoryView(const std::vector<THistoryRec>& records, const PopisType& lang,
                         const std::array<std::string, 5>& userTitles, const UserColumnsShown& shown)
    : m_records(records)
{
    m_lang = &lang;
    m_userTitles = userTitles;
    setColumns(4, static_cast<int>(HistoryField::ID), shown);
}

std::string HistoryView::fieldTitle(int field) const
{
    static constexpr int titles[] = {lang::kColumnSerial, lang::kColumnButton, lang::kColumnEventTime,
                                     lang::kColumnBattery};
    return LangText(*m_lang, titles[field]);
}

std::string HistoryView::fieldText(int row, int field) const
{
    const THistoryRec& rec = m_records[static_cast<std::size_t>(row)];
    switch (static_cast<HistoryField>(field)) {
    case HistoryField::TxCode:
        return rec.TxCode;
    case HistoryField::Code:
        return rec.Code;
    case HistoryField::Time:
        return formatListTime(rec.Time);
    case HistoryField::LowBatt:
        return LangText(*m_lang, rec.LowBatt ? lang::kBatteryLow : lang::kBatteryOk);
    case HistoryField::ID:
        return std::to_string(rec.ID);
    default:
        return rec.User[static_cast<std::size_t>(field - static_cast<int>(HistoryField::User1))];
    }
}

CellMark HistoryView::fieldMark(int row, int field) const
{
    return field == static_cast<int>(HistoryField::LowBatt) && m_records[static_cast<std::size_t>(row)].LowBatt
               ? CellMark::Red
               : CellMark::None;
}

// --- battery ---

BatteryView::BatteryView(const std::vector<TLowBatt>& records, const PopisType& lang,
                         const std::array<std::string, 5>& userTitles, const UserColumnsShown& shown)
    : m_records(records)
{
    m_lang = &lang;
    m_userTitles = userTitles;
    setColumns(3, static_cast<int>(BatteryField::ID), shown);
}

std::string BatteryView::fieldTitle(int field) const
{
    static constexpr int titles[] = {lang::kColumnSerial, lang::kColumnBattery, lang::kColumnLastEvent};
    return LangText(*m_lang, titles[field]);
}

std::string BatteryView::fieldText(int row, int field) const
{
    const TLowBatt& rec = m_records[static_cast<std::size_t>(row)];
    switch (static_cast<BatteryField>(field)) {
    case BatteryField::TxCode:
        return rec.TxCode;
    case BatteryField::State:
        return LangText(*m_lang, rec.State == 0 ? lang::kBatteryLow : lang::kBatteryChanged);
    case BatteryField::Time:
        return formatListTime(rec.Time);
    case BatteryField::ID:
        return std::to_string(rec.ID);
    default:
        return rec.User[static_cast<std::size_t>(field - static_cast<int>(BatteryField::User1))];
    }
}

CellMark BatteryView::fieldMark(int row, int field) const
{
    if (field != static_cast<int>(BatteryField::State)) {
        return CellMark::None;
    }
    return m_records[static_cast<std::size_t>(row)].State == 0 ? CellMark::Red : CellMark::Green;
}

} // namespace vorbix::lists
