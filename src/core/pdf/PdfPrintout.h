#pragma once

#include "core/export/PrintLayout.h"
#include "core/export/SheetTable.h"

#include <string>

// A page's table as a PDF document drawn by cairo: the fonts are embedded (the faces fontconfig
// gives for "Times New Roman", 10 pt, the titles bold), every letter of code page 1250 prints, and
// the layout is measured with the very faces that draw it.
namespace vorbix::pdf {

struct PdfPageSize
{
    double widthPoints = 595.276; // A4 portrait
    double heightPoints = 841.89;
};

// Layout units a point: the layout works in 1/300 inch.
inline constexpr double kUnitsPerPoint = 300.0 / 72.0;

struct PdfPrintout
{
    bool ok = false;
    std::string error;    // why not, when !ok
    std::string document; // the PDF, whole
    exports::PrintLayout layout;
    std::string fontFamily; // the face used, as fontconfig named it
};

// Lays the table out on pages of `size` and draws it; the document is titled `title` (code page
// 1250). A table without columns gives a document of one empty page.
PdfPrintout printPdf(const exports::SheetTable& table, const PdfPageSize& size, const std::string& title);

} // namespace vorbix::pdf
