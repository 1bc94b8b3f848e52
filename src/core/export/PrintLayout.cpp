#include "core/export/PrintLayout.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace vorbix::exports {

namespace {

// The widest data cell of a column in the row face; each distinct text is measured once.
int widestCell(const SheetTable& table, int column, const MeasureText& measure)
{
    std::unordered_set<std::string> seen;
    int widest = 0;
    const std::size_t c = static_cast<std::size_t>(column);
    for (const std::vector<std::string>& row : table.rows) {
        if (c < row.size() && !row[c].empty() && seen.insert(row[c]).second) {
            widest = std::max(widest, measure(row[c], false).width);
        }
    }
    return widest;
}

std::vector<int> columnWidths(const SheetTable& table, const std::vector<TextExtent>& titles,
                              const MeasureText& measure, int available)
{
    const int columns = table.columnCount();
    std::vector<int> widths(static_cast<std::size_t>(columns));
    int fixedSum = 0;
    int flexibleCount = 0;
    for (int c = 0; c < columns; ++c) {
        const ColumnWidthRule rule = table.widthRuleOf(c);
        const int title = titles[static_cast<std::size_t>(c)].width;
        if (rule.flexible) {
            ++flexibleCount;
            continue;
        }
        int width = std::max(title, rule.atLeast);
        if (rule.atMost > 0 && width > rule.atMost) {
            width = rule.atMost;
        }
        // The title and every cell print whole; a maximum only holds back a minimum.
        width = std::max({width, title, widestCell(table, c, measure)});
        widths[static_cast<std::size_t>(c)] = width;
        fixedSum += width;
    }
    if (flexibleCount > 0) {
        const int left = available - fixedSum - (columns - 1) * print::kColumnGap;
        const int share = std::clamp(left / flexibleCount, print::kShareAtLeast, print::kShareAtMost);
        for (int c = 0; c < columns; ++c) {
            if (table.widthRuleOf(c).flexible) {
                widths[static_cast<std::size_t>(c)] = std::max(share, titles[static_cast<std::size_t>(c)].width);
            }
        }
    }
    return widths;
}

int scaled(int paperUnits, double scale)
{
    return static_cast<int>(std::lround(paperUnits / scale));
}

} // namespace

PrintLayout layoutPrint(const SheetTable& table, const MeasureText& measure, int pageWidth, int pageHeight)
{
    PrintLayout layout;
    const int columns = table.columnCount();
    if (columns == 0) {
        return layout;
    }
    std::vector<TextExtent> titles;
    titles.reserve(static_cast<std::size_t>(columns));
    layout.rowHeight = measure(table.titles[0], false).height;
    for (const std::string& title : table.titles) {
        titles.push_back(measure(title, true));
        layout.rowHeight = std::max(layout.rowHeight, titles.back().height);
    }
    const int available = std::max(1, pageWidth - 2 * print::kLeft);
    layout.columnWidths = columnWidths(table, titles, measure, available);
    int total = (columns - 1) * print::kColumnGap;
    for (const int width : layout.columnWidths) {
        total += width;
    }
    if (total > available) {
        layout.scale = static_cast<double>(available) / total;
    }

    // From here on the scaled space: the page holds more units, the margins on paper stay as they are.
    layout.columnX.resize(static_cast<std::size_t>(columns));
    int x = scaled(print::kLeft, layout.scale);
    for (int c = 0; c < columns; ++c) {
        layout.columnX[static_cast<std::size_t>(c)] = x;
        x += layout.columnWidths[static_cast<std::size_t>(c)] + print::kColumnGap;
    }
    const int top = scaled(print::kTop, layout.scale);
    const int limit = scaled(pageHeight - print::kBottom, layout.scale);
    int y = top;
    auto drawRow = [&](const std::vector<std::string>& cells, bool bold) {
        PrintPage& page = layout.pages.back();
        for (int c = 0; c < columns; ++c) {
            const std::size_t i = static_cast<std::size_t>(c);
            page.runs.push_back(PrintRun{layout.columnX[i], y, layout.columnWidths[i], layout.rowHeight, bold,
                                         !bold && table.widthRuleOf(c).flexible,
                                         i < cells.size() ? cells[i] : std::string()});
        }
        y += layout.rowHeight + print::kRowGap;
    };

    layout.pages.emplace_back();
    drawRow(table.titles, true);
    const int rows = table.rowCount();
    for (int r = -1; r < rows; ++r) {
        if (r >= 0) {
            drawRow(table.rows[static_cast<std::size_t>(r)], false);
        }
        // A page is begun only when a row follows: a page holding nothing but the titles is useless.
        if (y > limit && r + 1 < rows) {
            layout.pages.emplace_back();
            y = top;
            drawRow(table.titles, true);
        }
    }
    return layout;
}

} // namespace vorbix::exports
