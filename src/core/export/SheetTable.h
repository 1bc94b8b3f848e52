#pragma once

#include <string>
#include <vector>

namespace vorbix::exports {

// How the export writes a column's data cells (the title row is always text).
enum class CellKind
{
    Text,
    Integer,   // the cell text as an integer; text when it is not one
    TimeStamp, // the row's day count
};

// How printing sizes a column, starting from the width of its title.
struct ColumnWidthRule
{
    int atLeast = 0;       // device units; 0: no minimum
    int atMost = 0;        // device units; 0: no maximum
    bool flexible = false; // takes an even share of the page width left over
};

// A page's table as export and printing take it: the titles, every data row's cell texts as the
// grid shows them, and per column how it exports and prints. Any page can feed one; a page without
// a table gives an empty one (no titles, no rows).
struct SheetTable
{
    std::vector<std::string> titles;
    std::vector<std::vector<std::string>> rows; // each as long as `titles`
    std::vector<CellKind> kinds;                // per column; missing: Text
    std::vector<double> dayCounts;              // per data row, for TimeStamp columns
    std::vector<ColumnWidthRule> widthRules;    // per column; missing: the title's width
    std::vector<int> gridWidths;                // per column, the grid's width in pixels; 0 or missing: not known

    int columnCount() const { return static_cast<int>(titles.size()); }
    int rowCount() const { return static_cast<int>(rows.size()); }
    CellKind kindOf(int column) const;
    ColumnWidthRule widthRuleOf(int column) const;
    int gridWidthOf(int column) const;
};

} // namespace vorbix::exports
