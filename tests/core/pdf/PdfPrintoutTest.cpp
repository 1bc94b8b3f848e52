#include "core/pdf/PdfPrintout.h"
#include "support/TempFolder.h"

#include "support/CommandOutput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

using namespace vorbix;
using namespace vorbix::exports;

namespace {

using vorbix::test::commandOutput;
using vorbix::test::haveProgram;

// A history-like table far wider than a page: times, numbers and names that must all print whole,
// and one free text that may be cut.
SheetTable wideTable(int rows)
{
    SheetTable table;
    for (int c = 0; c < 10; ++c) {
        table.titles.push_back("Time " + std::to_string(c + 1));
        table.kinds.push_back(CellKind::TimeStamp);
        table.widthRules.push_back({.atLeast = 350});
    }
    table.titles.push_back("Note");
    table.kinds.push_back(CellKind::Text);
    table.widthRules.push_back({.flexible = true});
    for (int r = 0; r < rows; ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < 10; ++c) {
            char time[32];
            std::snprintf(time, sizeof time, "%02d.12.2026 %02d:%02d:%02d", c + 10, r % 24, (r * 7) % 60, c * 5);
            row.push_back(time);
        }
        row.push_back("row " + std::to_string(r) + " " + std::string(200, 'W'));
        table.rows.push_back(row);
    }
    return table;
}

} // namespace

TEST(PdfPrintoutTest, AWideTableShrinksToThePageAndPrintsEveryTimeWholeOnEveryPage)
{
    if (!haveProgram("pdftotext")) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    const SheetTable table = wideTable(150);
    for (const pdf::PdfPageSize size : {pdf::PdfPageSize{}, pdf::PdfPageSize{841.89, 595.276}}) {
        const pdf::PdfPrintout printout = pdf::printPdf(table, size, "VORBIX");
        ASSERT_TRUE(printout.ok) << printout.error;
        const PrintLayout& layout = printout.layout;
        EXPECT_LT(layout.scale, 1.0);
        // The last column ends within the right margin of the scaled page.
        const double pageWidth = size.widthPoints * pdf::kUnitsPerPoint / layout.scale;
        EXPECT_LE(layout.columnX.back() + layout.columnWidths.back(), pageWidth - print::kLeft / layout.scale + 1);

        vorbix::test::TempFolder folder;
        const std::string path = folder.write("wide.pdf", printout.document);
        // Raw text order: each run as drawn, so a cut text shows how much of it was drawn.
        const std::string text = commandOutput("pdftotext -raw '" + path + "' -");
        std::size_t pages = 0;
        for (const char c : text) {
            pages += c == '\f' ? 1 : 0;
        }
        EXPECT_EQ(pages, layout.pages.size()) << size.widthPoints;
        for (const std::vector<std::string>& row : table.rows) {
            for (int c = 0; c < 10; ++c) {
                ASSERT_NE(text.find(row[static_cast<std::size_t>(c)]), std::string::npos)
                    << row[static_cast<std::size_t>(c)] << " on a page " << size.widthPoints << " wide";
            }
        }
        // The free text is cut at its column: its start is there, its end is not.
        EXPECT_NE(text.find("row 149 W"), std::string::npos);
        EXPECT_EQ(text.find(std::string(200, 'W')), std::string::npos);
    }
}

TEST(PdfPrintoutTest, CzechLettersPrintWithEmbeddedFonts)
{
    if (!haveProgram("pdftotext") || !haveProgram("pdffonts")) {
        GTEST_SKIP() << "pdftotext or pdffonts (poppler-utils) is not installed";
    }
    SheetTable table;
    // "Sériové číslo" and the accented letters of the code page, in code page 1250.
    table.titles = {"S\xE9riov\xE9 \xE8\xEDslo", "Text"};
    table.rows = {{"\xEC\x9A\xE8\xF8\x9E\xFD\xE1\xED\xE9\xF9\xFA\x9D\xEF\xF2",
                   "\xCC\x8A\xC8\xD8\x8E\xDD\xC1\xCD\xC9\xD9\xDA\x8D\xCF\xD2"}};
    const pdf::PdfPrintout printout = pdf::printPdf(table, pdf::PdfPageSize{}, "P\xF8\xEDjem");
    ASSERT_TRUE(printout.ok) << printout.error;
    vorbix::test::TempFolder folder;
    const std::string path = folder.write("cz.pdf", printout.document);
    const std::string text = commandOutput("pdftotext '" + path + "' -");
    for (const char* word : {"Sériové číslo", "ěščřžýáíéůúťďň", "ĚŠČŘŽÝÁÍÉŮÚŤĎŇ"}) {
        EXPECT_NE(text.find(word), std::string::npos) << word << " in\n" << text;
    }
    // pdffonts: a title line, a line of dashes marking the columns, then a line per font; the fourth
    // column says whether the font is embedded.
    const std::string fonts = commandOutput("pdffonts '" + path + "'");
    const std::size_t dashes = fonts.find('\n') + 1;
    std::size_t emb = dashes;
    for (int column = 0; column < 3; ++column) {
        emb = fonts.find(' ', emb) + 1;
    }
    emb -= dashes;
    int lines = 0;
    for (std::size_t line = fonts.find('\n', dashes) + 1; line < fonts.size(); line = fonts.find('\n', line) + 1) {
        EXPECT_EQ(fonts.substr(line + emb, 3), "yes") << fonts;
        ++lines;
    }
    EXPECT_GE(lines, 2) << "a regular and a bold face";
    const std::string resolved = commandOutput("fc-match -f '%{family[0]}' 'Times New Roman'");
    if (!resolved.empty()) {
        EXPECT_EQ(printout.fontFamily, resolved);
    }
}
