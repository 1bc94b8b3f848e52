#include "core/export/TabText.h"

#include <algorithm>

namespace vorbix::exports {
namespace {

// One line of the text; row -1 is the title row.
void appendLine(std::string& text, const views::GridText& grid, int row)
{
    for (int column = 0; column < grid.columnCount(); ++column) {
        if (column > 0) {
            text += '\t';
        }
        for (char c : row < 0 ? grid.title(column) : grid.cellText(row, column)) {
            text += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
        }
    }
    text += '\n';
}

} // namespace

std::string tabSeparatedRows(const views::GridText& grid, std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [&](int row) { return row < 0 || row >= grid.rowCount(); });
    if (rows.empty()) {
        return {};
    }
    std::string text;
    appendLine(text, grid, -1);
    for (int row : rows) {
        appendLine(text, grid, row);
    }
    return text;
}

} // namespace vorbix::exports
