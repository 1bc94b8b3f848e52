#include "ui/export/TablePrinter.h"
#include "support/TempFolder.h"

#include <QFontInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include "support/CommandOutput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

using namespace vorbix;

namespace {

using vorbix::test::commandOutput;
using vorbix::test::haveProgram;

} // namespace

TEST(TablePrinterTest, ATableWiderThanTheA4PageShrinksAndEveryTimeAndTitlePrintsWhole)
{
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    // The face the window prints with is the one fontconfig gives for Times New Roman.
    const std::string resolved = commandOutput("fc-match -f '%{family[0]}' 'Times New Roman' 2>/dev/null");
    if (!resolved.empty()) {
        EXPECT_EQ(QFontInfo(ui::TablePrinter::font(false)).family().toStdString(), resolved);
    }

    exports::SheetTable table;
    for (int c = 1; c <= 9; ++c) {
        table.titles.push_back("Time " + std::to_string(c));
        table.kinds.push_back(exports::CellKind::TimeStamp);
        table.widthRules.push_back({.atLeast = 350});
    }
    for (int r = 0; r < 80; ++r) {
        std::vector<std::string> row;
        for (int c = 1; c <= 9; ++c) {
            char time[32];
            std::snprintf(time, sizeof time, "%02d.12.2026 %02d:%02d:%02d", c + 10, r % 24, 59 - r % 60, c);
            row.push_back(time);
        }
        table.rows.push_back(row);
    }
    test::TempFolder folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder.file("wide.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    const int pages = ui::TablePrinter::print(table, printer);
    ASSERT_GT(pages, 0);

    const std::string text = commandOutput("pdftotext -raw '" + folder.file("wide.pdf") + "' -");
    for (const std::string& title : table.titles) {
        EXPECT_NE(text.find(title), std::string::npos) << title;
    }
    for (const std::vector<std::string>& row : table.rows) {
        for (const std::string& cell : row) {
            ASSERT_NE(text.find(cell), std::string::npos) << cell << " in\n" << text.substr(0, 2000);
        }
    }
    // Scaled down, the 80 rows that fill two pages at full size fit on fewer.
    EXPECT_EQ(pages, 1);
}
