#pragma once

#include "core/export/SheetTable.h"

#include <QFont>

class QPrinter;

namespace vorbix::ui {

// Paints a page's table on a printer, a PDF printer or a print preview through the core print
// layout. The layout works in units of 1/300 inch whatever the printer's resolution; the text is
// Times New Roman 10 pt (the platform's serif when that font is missing), the titles bold.
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
