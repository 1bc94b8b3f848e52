#include "core/export/PdfWriter.h"

#include <gtest/gtest.h>

#include <regex>

using namespace vorbix;
using namespace vorbix::exports;

TEST(PdfWriterTest, TimesMetricsMeasureInDeviceUnits)
{
    // Times-Bold: "W" 1000/1000 em, "i" 278; 10 pt at 300 dpi is 41.7 units an em.
    const PdfFontSize size;
    EXPECT_EQ(measurePdfTitle("W", size).width, 42);
    EXPECT_EQ(measurePdfTitle("Wi", size).width, 53);
    EXPECT_EQ(measurePdfTitle("", size).height, 46);
    EXPECT_EQ(measurePdfTitle("W", PdfFontSize{10.0, 600}).width, 83);
    // Czech letters measure as their WinAnsi stand-ins: "č" as "c", "á" as itself.
    EXPECT_EQ(toWinAnsi("\xE8\xE1\x9A\xF8\xB3\x81"), "c\xE1\x9Arl?");
    EXPECT_EQ(measurePdfTitle("\xE8", size).width, measurePdfTitle("c", size).width);
}

TEST(PdfWriterTest, DocumentHasAPagePerLayoutPageAndAValidCrossReference)
{
    SheetTable table;
    table.titles = {"Name of the row", "Note (1)"};
    for (int r = 0; r < 120; ++r) {
        table.rows.push_back({"row " + std::to_string(r), "a\\b"});
    }
    const PdfPageSetup setup;
    const PdfFontSize font = setup.font;
    const PrintLayout layout = layoutPrint(
        table, [&font](const std::string& text) { return measurePdfTitle(text, font); }, setup.widthUnits(),
        setup.heightUnits());
    ASSERT_GT(layout.pages.size(), 1u);
    const std::string pdf = renderPdf(layout, setup, "VORBIX");

    EXPECT_TRUE(pdf.starts_with("%PDF-1.4\n"));
    EXPECT_TRUE(pdf.ends_with("%%EOF\n"));
    EXPECT_NE(pdf.find("/Count " + std::to_string(layout.pages.size())), std::string::npos);
    EXPECT_NE(pdf.find("/BaseFont /Times-Bold"), std::string::npos);
    EXPECT_NE(pdf.find("(Note \\(1\\)) Tj"), std::string::npos);
    EXPECT_NE(pdf.find("(a\\\\b) Tj"), std::string::npos);
    EXPECT_NE(pdf.find("(row 119) Tj"), std::string::npos);
    EXPECT_NE(pdf.find("/Title (VORBIX)"), std::string::npos);

    // Every cross-reference entry points at its object.
    const std::size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
    ASSERT_TRUE(pdf.compare(xref, 5, "xref\n") == 0);
    std::smatch size;
    ASSERT_TRUE(std::regex_search(pdf, size, std::regex("/Size (\\d+)")));
    const int objects = std::stoi(size[1]);
    EXPECT_EQ(objects, 6 + 2 * static_cast<int>(layout.pages.size()));
    std::size_t entry = pdf.find('\n', pdf.find('\n', xref) + 1) + 1 + 20; // past "0 N" and object 0
    for (int id = 1; id < objects; ++id, entry += 20) {
        const std::size_t offset = std::stoul(pdf.substr(entry, 10));
        EXPECT_EQ(pdf.substr(offset, std::to_string(id).size() + 6), std::to_string(id) + " 0 obj") << id;
    }
}

TEST(PdfWriterTest, TextIsCutAtItsColumnsRightEdge)
{
    PrintLayout layout;
    layout.pages.push_back({{PrintRun{150, 100, 100, 46, false, "WWWWWW"}}});
    // 100 units hold two "W" of the normal face (42 units each) but not three.
    EXPECT_NE(renderPdf(layout, PdfPageSetup{}, "t").find("(WW) Tj"), std::string::npos);
}
