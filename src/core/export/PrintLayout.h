#pragma once

#include "core/export/SheetTable.h"

#include <functional>
#include <string>
#include <vector>

// The printed table as positioned texts, page by page: what the printer, the PDF printout and the
// print preview draw. All measures are layout units (1/300 inch at scale 1).
namespace vorbix::exports {

struct TextExtent
{
    int width = 0;
    int height = 0;
};

// The extent of a code page 1250 text, 10 pt, in the title face (bold) or the row face. The
// renderer that draws the layout measures with the same face, so what the layout finds fitting fits.
using MeasureText = std::function<TextExtent(const std::string& text, bool bold)>;

// One cell: the text drawn with its top left at (x, y). A clipped run is a free text that may be
// longer than its column: the renderer cuts it at width. Any other run fits its width whole.
struct PrintRun
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool bold = false;
    bool clipped = false;
    std::string text;
};

struct PrintPage
{
    std::vector<PrintRun> runs;
};

// Every position and size is in layout units; the renderer multiplies each by `scale` (below 1 when
// the table was shrunk to fit the page width, the texts shrinking with it).
struct PrintLayout
{
    double scale = 1.0;
    std::vector<int> columnX;
    std::vector<int> columnWidths;
    int rowHeight = 0;
    std::vector<PrintPage> pages;
};

namespace print {
// Margins on the paper, whatever the scale.
inline constexpr int kLeft = 150;   // left edge of column 0; the right margin is as wide
inline constexpr int kTop = 100;    // top of the first row on every page
inline constexpr int kBottom = 100; // a new page starts when a row ends below height minus this
inline constexpr int kColumnGap = 40;
inline constexpr int kRowGap = 10;
inline constexpr int kShareAtMost = 600;
// A free-text column never gets less than this (nor less than its title).
inline constexpr int kShareAtLeast = 200;
} // namespace print

// Column widths: every column at least as wide as its title; a column that is not flexible also as
// wide as its widest cell (times, numbers, names from the program: never cut), within the table's
// minimums; the flexible columns (free texts) share what is left of the page width, each as wide as
// its title at least. When the columns do not fit the page width the whole table is scaled down to
// fit, and pages are filled in the scaled space. Then the title row in bold and every data row in
// the row face, a new page whenever a row ends below the page limit, the title row again at its top.
// The last row never starts a page of its own. A table without columns prints nothing (no pages).
// pageWidth and pageHeight: the printable area in layout units at scale 1.
PrintLayout layoutPrint(const SheetTable& table, const MeasureText& measure, int pageWidth, int pageHeight);

} // namespace vorbix::exports
