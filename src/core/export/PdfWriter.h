#pragma once

#include "core/export/PdfFont.h"
#include "core/export/PrintLayout.h"

#include <string>

namespace vorbix::exports {

// A page of the PDF printout: its size in points and the device units of the layout drawn on it.
struct PdfPageSetup
{
    double widthPoints = 595.276; // A4
    double heightPoints = 841.89;
    PdfFontSize font;

    int widthUnits() const;
    int heightUnits() const;
};

// The layout as a PDF document titled `title`: one PDF page per layout page, each run's text in
// Times-Roman or Times-Bold, cut at its column's right edge.
std::string renderPdf(const PrintLayout& layout, const PdfPageSetup& setup, const std::string& title);

} // namespace vorbix::exports
