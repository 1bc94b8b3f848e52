#include "core/export/PdfFont.h"

#include <array>
#include <cstdint>

namespace vorbix::exports {

namespace {

// Advance widths (1/1000 em) of the standard PDF fonts Times-Roman and Times-Bold for the WinAnsi
// codes 32 to 255, from their published font metrics.
constexpr std::array<std::uint16_t, 224> kTimesRomanWidths = {
    250,  333, 408, 500, 500, 833, 778, 180, 333, 333, 500, 564, 250, 333, 250,  278, 500, 500,  500, 500, 500,
    500,  500, 500, 500, 500, 278, 278, 564, 564, 564, 444, 921, 722, 667, 667,  722, 611, 556,  722, 722, 333,
    389,  722, 611, 889, 722, 722, 556, 722, 667, 556, 611, 722, 722, 944, 722,  722, 611, 333,  278, 333, 469,
    500,  333, 444, 500, 444, 500, 444, 333, 500, 500, 278, 278, 500, 278, 778,  500, 500, 500,  500, 333, 389,
    278,  500, 500, 722, 500, 500, 444, 480, 200, 480, 541, 350, 500, 350, 333,  500, 444, 1000, 500, 500, 333,
    1000, 556, 333, 889, 350, 611, 350, 350, 333, 333, 444, 444, 350, 500, 1000, 333, 980, 389,  333, 722, 350,
    444,  722, 250, 333, 500, 500, 500, 500, 200, 500, 333, 760, 276, 500, 564,  333, 760, 333,  400, 564, 300,
    300,  333, 510, 453, 250, 333, 300, 310, 500, 750, 750, 750, 444, 722, 722,  722, 722, 722,  722, 889, 667,
    611,  611, 611, 611, 333, 333, 333, 333, 722, 722, 722, 722, 722, 722, 722,  564, 722, 722,  722, 722, 722,
    722,  556, 500, 444, 444, 444, 444, 444, 444, 667, 444, 444, 444, 444, 444,  278, 278, 278,  278, 500, 500,
    500,  500, 500, 500, 500, 564, 500, 500, 500, 500, 500, 500, 500, 500,
};

constexpr std::array<std::uint16_t, 224> kTimesBoldWidths = {
    250,  333, 555, 500,  500, 1000, 833, 278, 333, 333, 500, 570, 250, 333,  250,  278, 500,  500,  500, 500,  500,
    500,  500, 500, 500,  500, 333,  333, 570, 570, 570, 500, 930, 722, 667,  722,  722, 667,  611,  778, 778,  389,
    500,  778, 667, 944,  722, 778,  611, 778, 722, 556, 667, 722, 722, 1000, 722,  722, 667,  333,  278, 333,  581,
    500,  333, 500, 556,  444, 556,  444, 333, 500, 556, 278, 333, 556, 278,  833,  556, 500,  556,  556, 444,  389,
    333,  556, 500, 722,  500, 500,  444, 394, 220, 394, 520, 350, 500, 350,  333,  500, 500,  1000, 500, 500,  333,
    1000, 556, 333, 1000, 350, 667,  350, 350, 333, 333, 500, 500, 350, 500,  1000, 333, 1000, 389,  333, 722,  350,
    444,  722, 250, 333,  500, 500,  500, 500, 220, 500, 333, 747, 300, 500,  570,  333, 747,  333,  400, 570,  300,
    300,  333, 601, 540,  250, 333,  300, 330, 500, 750, 750, 750, 500, 722,  722,  722, 722,  722,  722, 1000, 722,
    667,  667, 667, 667,  389, 389,  389, 389, 722, 722, 778, 778, 778, 778,  778,  570, 778,  722,  722, 722,  722,
    722,  611, 556, 500,  500, 500,  500, 500, 500, 722, 444, 444, 444, 444,  444,  278, 278,  278,  278, 500,  556,
    500,  500, 500, 500,  500, 570,  500, 556, 556, 556, 556, 500, 556, 500,
};

// Code page 1250 to WinAnsi: the same character where WinAnsi has it, else the letter without
// its accent (č as c, ů as u, ł as l), else "?"; control characters become blanks.
constexpr std::array<std::uint8_t, 256> kCp1250ToWinAnsi = {
    0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
    0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25,
    0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F, 0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38,
    0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B,
    0x4C, 0x4D, 0x4E, 0x4F, 0x50, 0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x5B, 0x5C, 0x5D, 0x5E,
    0x5F, 0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x6F, 0x70, 0x71,
    0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x7B, 0x7C, 0x7D, 0x7E, 0x7F, 0x80, 0x3F, 0x82, 0x3F, 0x84,
    0x85, 0x86, 0x87, 0x3F, 0x89, 0x8A, 0x8B, 0x53, 0x54, 0x8E, 0x5A, 0x3F, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97,
    0x3F, 0x99, 0x9A, 0x9B, 0x73, 0x74, 0x9E, 0x7A, 0xA0, 0x3F, 0x3F, 0x4C, 0xA4, 0x41, 0xA6, 0xA7, 0xA8, 0xA9, 0x53,
    0xAB, 0xAC, 0xAD, 0xAE, 0x5A, 0xB0, 0xB1, 0x3F, 0x6C, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0x61, 0x73, 0xBB, 0x4C, 0x3F,
    0x6C, 0x7A, 0x52, 0xC1, 0xC2, 0x41, 0xC4, 0x4C, 0x43, 0xC7, 0x43, 0xC9, 0x45, 0xCB, 0x45, 0xCD, 0xCE, 0x44, 0x44,
    0x4E, 0x4E, 0xD3, 0xD4, 0x4F, 0xD6, 0xD7, 0x52, 0x55, 0xDA, 0x55, 0xDC, 0xDD, 0x54, 0xDF, 0x72, 0xE1, 0xE2, 0x61,
    0xE4, 0x6C, 0x63, 0xE7, 0x63, 0xE9, 0x65, 0xEB, 0x65, 0xED, 0xEE, 0x64, 0x64, 0x6E, 0x6E, 0xF3, 0xF4, 0x6F, 0xF6,
    0xF7, 0x72, 0x75, 0xFA, 0x75, 0xFC, 0xFD, 0x74, 0x3F,
};

constexpr double kAscent = 0.891; // of the em, as the serif fonts of the screen measure it
constexpr double kDescent = 0.216;

double unitsPerEmThousandth(const PdfFontSize& size)
{
    return size.points / 1000.0 * size.dotsPerInch / 72.0;
}

} // namespace

std::string toWinAnsi(std::string_view cp1250Text)
{
    std::string out(cp1250Text.size(), ' ');
    for (std::size_t i = 0; i < cp1250Text.size(); ++i) {
        out[i] = static_cast<char>(kCp1250ToWinAnsi[static_cast<unsigned char>(cp1250Text[i])]);
    }
    return out;
}

int winAnsiWidth(std::string_view winAnsiText, bool bold)
{
    const std::array<std::uint16_t, 224>& widths = bold ? kTimesBoldWidths : kTimesRomanWidths;
    int sum = 0;
    for (const char c : winAnsiText) {
        const auto code = static_cast<unsigned char>(c);
        sum += code >= 32 ? widths[code - 32] : widths[0];
    }
    return sum;
}

int textWidthUnits(std::string_view winAnsiText, bool bold, const PdfFontSize& size)
{
    return static_cast<int>(winAnsiWidth(winAnsiText, bold) * unitsPerEmThousandth(size) + 0.5);
}

int ascentUnits(const PdfFontSize& size)
{
    return static_cast<int>(kAscent * 1000.0 * unitsPerEmThousandth(size) + 0.5);
}

int lineHeightUnits(const PdfFontSize& size)
{
    return static_cast<int>((kAscent + kDescent) * 1000.0 * unitsPerEmThousandth(size) + 0.5);
}

TextExtent measurePdfTitle(const std::string& cp1250Text, const PdfFontSize& size)
{
    return TextExtent{textWidthUnits(toWinAnsi(cp1250Text), true, size), lineHeightUnits(size)};
}

} // namespace vorbix::exports
