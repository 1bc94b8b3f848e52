#include "core/export/PdfWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace vorbix::exports {

namespace {

// Points with two decimals, always with "." (PDF numbers know no locale).
std::string number(double value)
{
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::round(value * 100.0) / 100.0, std::chars_format::fixed, 2);
    return std::string(buffer, result.ptr);
}

std::string literal(std::string_view bytes)
{
    std::string out = "(";
    for (const char c : bytes) {
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + ")";
}

// The longest start of the text that fits the width (a glyph crossing the edge is left out).
std::string fitted(const std::string& cp1250Text, int widthUnits, bool bold, const PdfFontSize& font)
{
    std::string text = toWinAnsi(cp1250Text);
    // Widths only grow with the length: search the longest start that fits.
    std::size_t fits = 0;
    std::size_t tooLong = text.size() + 1;
    while (tooLong - fits > 1) {
        const std::size_t middle = (fits + tooLong) / 2;
        if (textWidthUnits(std::string_view(text).substr(0, middle), bold, font) <= widthUnits) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    text.resize(fits);
    return text;
}

std::string pageContent(const PrintPage& page, const PdfPageSetup& setup)
{
    const double scale = 72.0 / setup.font.dotsPerInch;
    const int ascent = ascentUnits(setup.font);
    std::string out = "BT\n";
    int currentFont = -1;
    for (const PrintRun& run : page.runs) {
        const std::string text = fitted(run.text, run.width, run.bold, setup.font);
        if (text.empty()) {
            continue;
        }
        const int font = run.bold ? 2 : 1;
        if (font != currentFont) {
            out += "/F" + std::to_string(font) + " " + number(setup.font.points) + " Tf\n";
            currentFont = font;
        }
        const double x = run.x * scale;
        const double baseline = setup.heightPoints - (run.y + ascent) * scale;
        out += "1 0 0 1 " + number(x) + " " + number(baseline) + " Tm " + literal(text) + " Tj\n";
    }
    return out + "ET\n";
}

class PdfDocument
{
public:
    PdfDocument() { m_out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }

    // Objects are numbered from 1 in the order they are added.
    int add(const std::string& body)
    {
        m_offsets.push_back(m_out.size());
        const int id = static_cast<int>(m_offsets.size());
        m_out += std::to_string(id) + " 0 obj\n" + body + "\nendobj\n";
        return id;
    }
    int addStream(const std::string& data)
    {
        return add("<< /Length " + std::to_string(data.size()) + " >>\nstream\n" + data + "endstream");
    }

    std::string finish(int root, int info)
    {
        const std::size_t xref = m_out.size();
        m_out += "xref\n0 " + std::to_string(m_offsets.size() + 1) + "\n0000000000 65535 f \n";
        for (const std::size_t offset : m_offsets) {
            char line[24];
            std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
            m_out += line;
        }
        m_out += "trailer\n<< /Size " + std::to_string(m_offsets.size() + 1) + " /Root " + std::to_string(root) +
                 " 0 R /Info " + std::to_string(info) + " 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
        return std::move(m_out);
    }

private:
    std::string m_out;
    std::vector<std::size_t> m_offsets;
};

} // namespace

int PdfPageSetup::widthUnits() const
{
    return static_cast<int>(widthPoints * font.dotsPerInch / 72.0);
}

int PdfPageSetup::heightUnits() const
{
    return static_cast<int>(heightPoints * font.dotsPerInch / 72.0);
}

std::string renderPdf(const PrintLayout& layout, const PdfPageSetup& setup, const std::string& title)
{
    // Fixed numbers: 1 catalog, 2 page tree, 3 and 4 the fonts, 5 the document information; then a
    // page and its content for each layout page.
    PdfDocument pdf;
    const int pageCount = static_cast<int>(layout.pages.size());
    std::string kids;
    for (int p = 0; p < pageCount; ++p) {
        kids += std::to_string(6 + 2 * p) + " 0 R ";
    }
    pdf.add("<< /Type /Catalog /Pages 2 0 R >>");
    pdf.add("<< /Type /Pages /Kids [ " + kids + "] /Count " + std::to_string(pageCount) + " >>");
    pdf.add("<< /Type /Font /Subtype /Type1 /BaseFont /Times-Roman /Encoding /WinAnsiEncoding >>");
    pdf.add("<< /Type /Font /Subtype /Type1 /BaseFont /Times-Bold /Encoding /WinAnsiEncoding >>");
    pdf.add("<< /Title " + literal(toWinAnsi(title)) + " /Producer (Vorbix) >>");
    const std::string mediaBox = "[ 0 0 " + number(setup.widthPoints) + " " + number(setup.heightPoints) + " ]";
    for (int p = 0; p < pageCount; ++p) {
        pdf.add("<< /Type /Page /Parent 2 0 R /MediaBox " + mediaBox +
                " /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents " + std::to_string(7 + 2 * p) + " 0 R >>");
        pdf.addStream(pageContent(layout.pages[static_cast<std::size_t>(p)], setup));
    }
    return pdf.finish(1, 5);
}

} // namespace vorbix::exports
