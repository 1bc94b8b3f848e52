#pragma once

#include "core/export/PrintLayout.h"

#include <string>
#include <string_view>

// The two fonts of the PDF printout: the standard PDF fonts Times-Roman and Times-Bold, which every
// PDF reader has, in the WinAnsi encoding. Code page 1250 letters that WinAnsi lacks are written
// without their accent.
namespace vorbix::exports {

struct PdfFontSize
{
    double points = 10.0;
    int dotsPerInch = 300; // the device units of the layout: the layout's measures suit 300 dpi
};

// Each byte mapped to WinAnsi (same length).
std::string toWinAnsi(std::string_view cp1250Text);
// Width in 1/1000 em.
int winAnsiWidth(std::string_view winAnsiText, bool bold);
// Width in device units.
int textWidthUnits(std::string_view winAnsiText, bool bold, const PdfFontSize& size);
int ascentUnits(const PdfFontSize& size);
int lineHeightUnits(const PdfFontSize& size);

// The title font's measure for layoutPrint: Times-Bold at `size`.
TextExtent measurePdfTitle(const std::string& cp1250Text, const PdfFontSize& size);

} // namespace vorbix::exports
