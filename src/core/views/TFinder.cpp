#include "core/views/TFinder.h"

#include "core/base/TextNumbers.h"

namespace vorbix::views {

namespace {

// History and battery tables: item 1, item 2, then the ID and User 1..4 columns from this one.
struct ListItems
{
    int item1;
    int item2;
    int firstUserColumn;
};
constexpr ListItems HistoryItems{2, 0, 4};
constexpr ListItems BatteryItems{2, 0, 3};

int listItemColumn(const ListItems& items, int item)
{
    if (item == 1) {
        return items.item1;
    }
    if (item == 2) {
        return items.item2;
    }
    return item >= 3 && item <= 7 ? items.firstUserColumn + item - 3 : kNoColumn;
}

} // namespace

std::vector<std::string> findItemCaptions(FindPage page, const PopisType& lang,
                                          const std::array<std::string, 5>& userTitles)
{
    std::vector<std::string> items;
    switch (page) {
    case FindPage::Memory:
        return {LangText(lang, lang::kFindAllColumns), LangText(lang, lang::kColumnPosition),
                LangText(lang, lang::kColumnSerial)};
    case FindPage::File:
        items = {LangText(lang, lang::kFindAllColumns), LangText(lang, lang::kColumnPosition),
                 LangText(lang, lang::kColumnSerial)};
        break;
    case FindPage::History:
        items = {LangText(lang, lang::kFindAllColumns), LangText(lang, lang::kColumnEventTime),
                 LangText(lang, lang::kColumnSerial)};
        break;
    case FindPage::Battery:
        items = {LangText(lang, lang::kFindAllColumns), LangText(lang, lang::kColumnLastEvent),
                 LangText(lang, lang::kColumnSerial)};
        break;
    case FindPage::Other:
        return {};
    }
    items.insert(items.end(), userTitles.begin(), userTitles.end());
    return items;
}

int findItemColumn(FindPage page, int item, const ColumnCodes* codes)
{
    if (page == FindPage::Other) {
        return kNoColumn;
    }
    if (item == 0) {
        return kAllColumns;
    }
    switch (page) {
    case FindPage::Memory:
        return item == 1 || item == 2 ? item - 1 : kNoColumn;
    case FindPage::File: {
        if (!codes || item < 1 || item > 7) {
            return kNoColumn;
        }
        const int itemCode = item == 1 ? code::Position : item == 2 ? code::Serial : code::ID + item - 3;
        const int column = codes->shownColumnOf(itemCode);
        return column >= 0 ? column : kNoColumn;
    }
    case FindPage::History:
        return listItemColumn(HistoryItems, item);
    case FindPage::Battery:
        return listItemColumn(BatteryItems, item);
    case FindPage::Other:
        break;
    }
    return kNoColumn;
}

const FindPosition& TFinder::position(FindPage page) const
{
    static const FindPosition start;
    return page == FindPage::Other ? start : m_positions[static_cast<std::size_t>(page)];
}

bool TFinder::accept(const std::string& text, int item)
{
    if (text.empty()) {
        return false;
    }
    m_searchText = text;
    m_history.push_back(text);
    m_searchColumn = item;
    return true;
}

void TFinder::setSearch(const std::string& text, int item)
{
    m_searchText = text;
    m_searchColumn = item;
}

void TFinder::resetPositions()
{
    m_positions.fill(FindPosition{});
}

void TFinder::resetPosition(FindPage page)
{
    if (page != FindPage::Other) {
        m_positions[static_cast<std::size_t>(page)] = FindPosition{};
    }
}

FindResult TFinder::run(FindPage page, const GridText& grid, int column, int& hitRow)
{
    hitRow = -1;
    if (page == FindPage::Other) {
        return FindResult::Skipped;
    }
    FindPosition& position = m_positions[static_cast<std::size_t>(page)];
    const int columns = grid.columnCount();
    if (!m_searchText.empty() && column != kNoColumn) {
        for (int row = position.row < 0 ? 0 : position.row; row < grid.rowCount(); ++row) {
            const int first = column == kAllColumns ? 0 : column;
            const int last = column == kAllColumns ? columns - 1 : column;
            for (int c = first; c <= last && c < columns; ++c) {
                const std::string text = grid.cellText(row, c);
                if (!text.empty() && text.find(m_searchText) != std::string::npos) {
                    position = FindPosition{c, row + 1};
                    hitRow = row;
                    return FindResult::Found;
                }
            }
        }
    }
    resetPositions();
    return FindResult::NotFound;
}

} // namespace vorbix::views
