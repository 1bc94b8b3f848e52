#pragma once

#include "core/base/LanguageTable.h"
#include "core/views/ColumnConfig.h"
#include "core/views/GridText.h"

#include <array>
#include <string>
#include <vector>

namespace vorbix::views {

// The pages the find command searches; on any other page the dialog opens without column items
// and the search does nothing.
enum class FindPage
{
    Memory,
    File,
    History,
    Battery,
    Other,
};

// Where the next search of a page starts: the column of the last hit and the data row (from 0)
// after it.
struct FindPosition
{
    int column = 0;
    int row = 0;
};

// The column items of the find dialog for a page: item 0 "all columns", then the page's own.
std::vector<std::string> findItemCaptions(FindPage page, const PopisType& lang,
                                          const std::array<std::string, 5>& userTitles);

inline constexpr int kAllColumns = -1;
inline constexpr int kNoColumn = -2;

// The grid column an item searches: kAllColumns for item 0, kNoColumn when the page has no such
// item or (file view) no shown column has the item's code. `codes` is read for the file view only,
// at each search, so the item follows column drags.
int findItemColumn(FindPage page, int item, const ColumnCodes* codes);

enum class FindResult
{
    Found,
    NotFound, // the caller shows language text 146
    Skipped,  // not a searchable page, nothing to say
};

// `SearchText`, `SearchColumn` and one `FindPosition` per page, with `RunFind`.
class TFinder
{
public:
    const std::string& searchText() const { return m_searchText; }
    int searchColumn() const { return m_searchColumn; }
    // Every text searched for during the run, repeats included (the dialog's drop-down list).
    const std::vector<std::string>& history() const { return m_history; }
    const FindPosition& position(FindPage page) const;

    // The dialog's OK: an empty text cancels and keeps the previous search (false); otherwise
    // the text and item become the search.
    bool accept(const std::string& text, int item);
    // A search set by a command rather than typed (the battery page's double click): not added to
    // the dialog's list.
    void setSearch(const std::string& text, int item);
    void resetPositions();
    void resetPosition(FindPage page);

    // Searches the page's grid from its position down for a cell holding `SearchText` exactly
    // (case and all). Found: `hitRow` is the row, the position moves below it. Not found: every
    // position starts again at the top. `column` is the grid column from findItemColumn.
    FindResult run(FindPage page, const GridText& grid, int column, int& hitRow);

private:
    std::string m_searchText;
    int m_searchColumn = 0;
    std::vector<std::string> m_history;
    std::array<FindPosition, 4> m_positions;
};

} // namespace vorbix::views
