#pragma once

#include "core/base/LanguageTable.h"
#include "core/lists/ListRecords.h"

#include <array>
#include <string>
#include <vector>

// The history and battery grids as texts: their columns by the visible user columns of the layout in
// force, the titles, the cells and the colour marks. The windows, find and the tools read them.
namespace vorbix::lists {

// ID and User 1..4: which of the five user columns the layout in force shows.
using UserColumnsShown = std::array<bool, 5>;

enum class CellMark
{
    None,
    Red,   // language text 204 ("Low")
    Green, // the battery's "changed"
};

class ListView
{
public:
    virtual ~ListView() = default;

    int rowCount() const;
    int columnCount() const { return static_cast<int>(m_fields.size()); }
    std::string title(int column) const;
    std::string cellText(int row, int column) const;
    CellMark mark(int row, int column) const;
    // The field a grid column shows (the history's HistoryField, the battery's key number); -1
    // outside the grid.
    int fieldOfColumn(int column) const;
    // The grid column that shows a field; -1 when it is hidden or unknown.
    int columnOfField(int field) const;

protected:
    // `fixed` fields, then the shown ones of the five user fields from `firstUserField`.
    void setColumns(int fixed, int firstUserField, const UserColumnsShown& shown);
    virtual int entryCount() const = 0;
    virtual std::string fieldText(int row, int field) const = 0;
    virtual std::string fieldTitle(int field) const = 0;
    virtual CellMark fieldMark(int row, int field) const = 0;

    const PopisType* m_lang = nullptr;
    std::array<std::string, 5> m_userTitles;
    int m_firstUserField = 0;

private:
    std::vector<int> m_fields;
};

// HistoryGrid: transmitter, code, time, battery ("Low" 204 in red, else "OK" 217), the user columns.
class HistoryView final : public ListView
{
public:
    HistoryView(const std::vector<THistoryRec>& records, const PopisType& lang,
                const std::array<std::string, 5>& userTitles, const UserColumnsShown& shown);

private:
    int entryCount() const override { return static_cast<int>(m_records.size()); }
    std::string fieldText(int row, int field) const override;
    std::string fieldTitle(int field) const override;
    CellMark fieldMark(int row, int field) const override;

    const std::vector<THistoryRec>& m_records;
};

// BatteryGrid: transmitter, state ("Low" 204 in red, "Changed" 205 in green), last event, user columns.
class BatteryView final : public ListView
{
public:
    BatteryView(const std::vector<TLowBatt>& records, const PopisType& lang,
                const std::array<std::string, 5>& userTitles, const UserColumnsShown& shown);

private:
    int entryCount() const override { return static_cast<int>(m_records.size()); }
    std::string fieldText(int row, int field) const override;
    std::string fieldTitle(int field) const override;
    CellMark fieldMark(int row, int field) const override;

    const std::vector<TLowBatt>& m_records;
};

} // namespace vorbix::lists
