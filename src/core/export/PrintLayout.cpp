#include "core/export/PrintLayout.h"

#include <algorithm>

namespace vorbix::exports {

namespace {

std::vector<int> columnWidths(const SheetTable& table, const std::vector<TextExtent>& titles, int pageWidth)
{
    const int columns = table.columnCount();
    std::vector<int> widths(static_cast<std::size_t>(columns));
    int fixedSum = 0;
    int flexibleCount = 0;
    for (int c = 0; c < columns; ++c) {
        const ColumnWidthRule rule = table.widthRuleOf(c);
        int width = titles[static_cast<std::size_t>(c)].width;
        if (rule.atLeast > 0 && width < rule.atLeast) {
            width = rule.atLeast;
        }
        if (rule.atMost > 0 && width > rule.atMost) {
            width = rule.atMost;
        }
        widths[static_cast<std::size_t>(c)] = width;
        if (rule.flexible) {
            ++flexibleCount;
        } else {
            fixedSum += width;
        }
    }
    if (flexibleCount > 0) {
        const int left = pageWidth - 2 * print::kLeft - fixedSum - print::kShareReserve;
        const int share = std::clamp(left / flexibleCount, print::kShareAtLeast, print::kShareAtMost);
        for (int c = 0; c < columns; ++c) {
            if (table.widthRuleOf(c).flexible) {
                widths[static_cast<std::size_t>(c)] = share;
            }
        }
    }
    return widths;
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
    for (const std::string& title : table.titles) {
        titles.push_back(measure(title));
    }
    layout.columnWidths = columnWidths(table, titles, pageWidth);
    layout.rowHeight = titles[0].height;
    layout.columnX.resize(static_cast<std::size_t>(columns));
    int x = print::kLeft;
    for (int c = 0; c < columns; ++c) {
        layout.columnX[static_cast<std::size_t>(c)] = x;
        x += layout.columnWidths[static_cast<std::size_t>(c)] + print::kColumnGap;
    }

    const int limit = pageHeight - print::kBottom;
    int y = print::kTop;
    auto drawRow = [&](const std::vector<std::string>& cells, bool bold) {
        PrintPage& page = layout.pages.back();
        for (int c = 0; c < columns; ++c) {
            const std::size_t i = static_cast<std::size_t>(c);
            page.runs.push_back(PrintRun{layout.columnX[i], y, layout.columnWidths[i], layout.rowHeight, bold,
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
            y = print::kTop;
            drawRow(table.titles, true);
        }
    }
    return layout;
}

} // namespace vorbix::exports
