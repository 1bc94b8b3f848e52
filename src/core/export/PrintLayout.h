#pragma once

#include "core/export/SheetTable.h"

#include <functional>
#include <string>
#include <vector>

// The printed table as positioned texts, page by page: what the printer, the PDF writer and the
// print preview draw. All measures are device units of the page.
namespace vorbix::exports {

struct TextExtent
{
    int width = 0;
    int height = 0;
};

// The extent of a text in the title font (10 pt bold).
using MeasureText = std::function<TextExtent(const std::string& text)>;

// One cell: the text drawn with its top left at (x, y), clipped to width x height.
struct PrintRun
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool bold = false;
    std::string text;
};

struct PrintPage
{
    std::vector<PrintRun> runs;
};

struct PrintLayout
{
    std::vector<int> columnX;
    std::vector<int> columnWidths;
    int rowHeight = 0;
    std::vector<PrintPage> pages;
};

namespace print {
inline constexpr int kLeft = 150;   // left edge of column 0
inline constexpr int kTop = 100;    // top of the first row on every page
inline constexpr int kBottom = 100; // a new page starts when a row ends below height minus this
inline constexpr int kColumnGap = 40;
inline constexpr int kRowGap = 10;
inline constexpr int kShareReserve = 320; // subtracted from the page width before sharing
inline constexpr int kShareAtMost = 600;
// A flexible column never gets less, even when the fixed columns fill the page: the columns then
// run past the right edge instead of overlapping or vanishing.
inline constexpr int kShareAtLeast = 200;
} // namespace print

// Column widths from the titles (with the table's minimums, maximums and shares), then the title
// row in bold and every data row in the normal face, a new page whenever a row ends below the page
// limit, the title row again at its top. The last row never starts a page of its own. A table
// without columns prints nothing (no pages).
PrintLayout layoutPrint(const SheetTable& table, const MeasureText& measure, int pageWidth, int pageHeight);

} // namespace vorbix::exports
