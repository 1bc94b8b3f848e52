#pragma once

#include "core/export/SheetTable.h"

#include <QFont>

class QPrinter;

namespace vorbix::ui {

// Paints a page's table on a printer, a PDF printer or a print preview through the core print
// layout, measured with the faces that draw it. The layout works in units of 1/300 inch whatever the
// printer's resolution, shrunk by its own scale when the table is wider than the page; the text is
// Times New Roman 10 pt (the face fontconfig gives for it when that font is missing), titles bold.
class TablePrinter
{
public:
    static constexpr int kUnitsPerInch = 300;

    static QFont font(bool bold);

    // Prints every page of the layout; the printer's job is named "VORBIX". The number of pages
    // printed, 0 for a table without columns, -1 when the printer cannot be started.
    static int print(const exports::SheetTable& table, QPrinter& printer);
};

} // namespace vorbix::ui
