#pragma once

namespace vorbix::views {

// What a table column needs, in pixels, as the window measured it in its font.
struct ColumnNeed
{
    int width = 0;      // the column's width now (the stored, the default or the user's)
    int title = 0;      // the title's text
    int widestCell = 0; // the widest cell text among the rows
    int fittedCell = 0; // widestCell when the column was last fitted; 0 before the first fit
};

// The room a column gives around its texts.
struct ColumnRoom
{
    int titleMargins = 0; // both sides of the title together
    int sortMark = 0;     // the sort arrow beside the title, when the table shows one
    int cellMargins = 0;  // both sides of a cell together
    int widestFit = 0;    // a column never grows wider than this for its cells (long free texts)
};

// The width a column is given. A title always shows whole, with the sort arrow beside it: no
// column is narrower than title + margins + arrow, whatever width was stored (a width kept from
// another language's shorter title included). The cells show whole up to `widestFit`: a column
// grows for a cell wider than any it was fitted to before, and otherwise keeps the width the user
// gave it, also a narrower one.
int FitColumnWidth(const ColumnNeed& need, const ColumnRoom& room);

} // namespace vorbix::views
