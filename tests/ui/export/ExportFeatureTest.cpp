#include "MainFormFixture.h"
#include "support/CommandOutput.h"
#include "support/DataFileText.h"

#include "ui/export/ExportFeature.h"
#include "ui/lists/ListsFeature.h"
#include "ui/views/RecordGrid.h"
#include "ui/views/RecordViews.h"
#include "ui/views/RecordViewsFeature.h"
#include "ui/widgets/Dialogs.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

using namespace vorbix;
using ui::Dialogs;

namespace {

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::string pdfText(const std::string& path)
{
    return test::commandOutput("pdftotext -layout '" + path + "' - 2>/dev/null");
}

const std::string kFixedEnd = "O;D;V0;K47;G100 0.001\r\nE\r\n";

class ExportFeatureTest : public test::MainFormFixture
{
protected:
    void SetUp() override
    {
        MainFormFixture::SetUp();
        for (const char* name : {"Rx.def", "RxFncUS.def", "Tx.def"}) {
            folder.copyData(name);
        }
        const std::string image =
            test::singleRelayRecord("12AB4", "3") + test::singleRelayRecord("00500", "4") + std::string(32, '0');
        dataFile = folder.write("set.rxd", test::crlf({"KV8MOD-T", "3", image, "1   17#Room 4#Gate##", "x0 -",
                                                       "2   5#Door###", "x0 -", "3   0#####", "x0 -"}));
    }

    ui::ExportFeature& exporter() { return *form->feature<ui::ExportFeature>(); }
    ui::ListsFeature& lists() { return *form->feature<ui::ListsFeature>(); }

    void trigger(const char* action)
    {
        form->findChild<QAction*>(QString::fromLatin1(action))->trigger();
        settle();
    }
    void openDataSet()
    {
        Dialogs::preloadFileName(QString::fromStdString(dataFile));
        trigger("MenuOpen");
        ASSERT_TRUE(form->state().DataOpen);
    }
    // Exports the page shown to `name` (given without extension).
    std::string exportPage(app::Page page, const std::string& name)
    {
        form->showPage(page);
        settle();
        Dialogs::preloadFileName(QString::fromStdString(folder.file(name)));
        trigger("MenuExport");
        return folder.read(name + ".xls");
    }

    std::string dataFile;
};

} // namespace

TEST_F(ExportFeatureTest, ExportWritesTheActivePagesTableWithItsNumbers)
{
    ASSERT_TRUE(start());
    openDataSet();
    const std::string fileView = exportPage(app::Page::User, "file");
    ASSERT_TRUE(fileView.starts_with("ID;PWXL;N;E\r\n"));
    // The default column set begins with the ID and sorts by it: 5 and 17 as numbers, the user
    // texts as text, the position (column 6) a number again.
    EXPECT_TRUE(contains(fileView, "C;Y2;X1;K5.00000000000000E+000\r\n"));
    EXPECT_TRUE(contains(fileView, "C;Y3;X1;K1.70000000000000E+001\r\n"));
    EXPECT_TRUE(contains(fileView, "C;Y3;X2;K\"Room 4\"\r\n"));
    EXPECT_TRUE(contains(fileView, "C;Y3;X6;K1.00000000000000E+000\r\n"));

    lists().AddEvent("X212AB4", "3", true, QDateTime(QDate(2009, 3, 7), QTime(8, 15, 30)));
    const std::string history = exportPage(app::Page::History, "history");
    EXPECT_TRUE(contains(history, "F;P27;FG0R;SM5;Y2;X3 \r\nC;Y2;X3;K3.98793440972222E+004\r\n"));

    // The monitor and direct control pages have no table: only the fixed parts.
    for (const app::Page page : {app::Page::Monitor, app::Page::DirectControl}) {
        const std::string fixed = exportPage(page, "fixed" + std::to_string(static_cast<int>(page)));
        EXPECT_EQ(fixed.size(), 1060u);
        EXPECT_TRUE(fixed.ends_with(kFixedEnd));
    }
    // An abandoned dialog writes nothing.
    form->showPage(app::Page::User);
    trigger("MenuExport");
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());
}

TEST_F(ExportFeatureTest, CopyPutsTheSelectedRowsWithTitlesOnTheClipboard)
{
    ASSERT_TRUE(start());
    openDataSet();
    EXPECT_FALSE(form->findChild<QAction*>(QStringLiteral("MenuCut"))->isEnabled());
    EXPECT_FALSE(form->findChild<QAction*>(QStringLiteral("MenuPaste"))->isEnabled());
    QAction* copy = form->findChild<QAction*>(QStringLiteral("MenuCopy"));

    form->showPage(app::Page::User);
    settle();
    ASSERT_TRUE(copy->isEnabled());
    ui::RecordGrid& grid = *form->feature<ui::RecordViewsFeature>()->views().userGrid();
    grid.selectAll();
    QGuiApplication::clipboard()->clear();
    trigger("MenuCopy");
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    const auto cells = [&](int line) { return lines[line].split(QLatin1Char('\t')); };
    EXPECT_EQ(cells(0).size(), grid.model()->columnCount());
    EXPECT_EQ(cells(0)[0], grid.model()->headerData(0, Qt::Horizontal).toString());
    EXPECT_EQ(cells(1)[0], QStringLiteral("5")); // the grid's order: by ID
    EXPECT_EQ(cells(2)[1], QStringLiteral("Room 4"));

    form->showPage(app::Page::DirectControl);
    settle();
    EXPECT_FALSE(copy->isEnabled());
}

TEST_F(ExportFeatureTest, TheWorkbookIsOfferedFirstAndTheChosenFilterOrExtensionPicksTheFormat)
{
    ASSERT_TRUE(start());
    openDataSet();
    const std::string sylk = exportPage(app::Page::User, "before"); // no filter reported: the SYLK file
    const QStringList filters = Dialogs::offeredFilters().split(QStringLiteral(";;"));
    ASSERT_EQ(filters, QStringList({QStringLiteral("Excel workbook (*.xlsx)"), QStringLiteral("CSV, UTF-8 (*.csv)"),
                                    QStringLiteral("Excel files (*.xls)"), QStringLiteral("All files (*)")}));
    // The title row of the CSV file begins with the ID column's title (the test language's text 153).
    struct Case
    {
        int filter;
        const char* chosen;
        const char* written;
        std::string begins;
    };
    const Case cases[] = {
        {0, "a", "a.xlsx", "PK\x03\x04"},      {1, "b", "b.csv", "T153,"},
        {2, "c", "c.xls", "ID;PWXL;N;E\r\n"},  {3, "d", "d.xls", "ID;PWXL;N;E\r\n"},
        {1, "e.xlsx", "e.xlsx", "PK\x03\x04"}, {0, "f.CSV", "f.CSV", "T153,"},
    };
    for (const Case& c : cases) {
        Dialogs::preloadFilter(filters[c.filter]);
        Dialogs::preloadFileName(QString::fromStdString(folder.file(c.chosen)));
        trigger("MenuExport");
        EXPECT_TRUE(folder.read(c.written).starts_with(c.begins)) << c.chosen << " with filter " << c.filter;
    }
    EXPECT_EQ(folder.read("c.xls"), sylk) << "the SYLK file is written as before";
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty()) << Dialogs::shownMessages().join(QLatin1Char('|')).toStdString();
}

TEST_F(ExportFeatureTest, AFailedExportShowsTheErrorAndLeavesNothing)
{
    ASSERT_TRUE(start());
    openDataSet();
    form->showPage(app::Page::User);
    Dialogs::preloadFileName(QString::fromStdString(folder.file("missing/file.xls")));
    trigger("MenuExport");
    ASSERT_EQ(Dialogs::shownMessages().size(), 1);
    EXPECT_TRUE(Dialogs::shownMessages().constFirst().startsWith(QStringLiteral("Soubor \"")))
        << Dialogs::shownMessages().constFirst().toStdString();
    EXPECT_TRUE(Dialogs::shownMessages().constFirst().contains(QStringLiteral("nelze uzavřít - chyba:\r\n")));
}

TEST_F(ExportFeatureTest, PrintingAsksForThePrinterOnlyOnTheFourTablePagesAndPaintsThroughTheLayout)
{
    ASSERT_TRUE(start());
    openDataSet();
    int asked = 0;
    std::string pdf;
    exporter().setPrinterQuestion([&](QPrinter& printer) {
        ++asked;
        EXPECT_EQ(printer.docName(), QStringLiteral("VORBIX"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    });
    for (const app::Page page : {app::Page::Monitor, app::Page::DirectControl}) {
        form->showPage(page);
        pdf = folder.file("none.pdf");
        trigger("MenuPrint");
        trigger("MenuPrintPdf");
    }
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(folder.read("none.pdf"), "");

    form->showPage(app::Page::User);
    pdf = folder.file("user.pdf");
    trigger("MenuPrint");
    EXPECT_EQ(asked, 1);
    ASSERT_TRUE(folder.read("user.pdf").starts_with("%PDF"));
    if (std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
        const std::string text = pdfText(pdf);
        // The title row first, then both records in the view's order.
        const std::size_t titles = text.find("T153");
        const std::size_t first = text.find("Door");
        const std::size_t second = text.find("Room 4");
        EXPECT_NE(titles, std::string::npos) << text;
        EXPECT_LT(titles, first);
        EXPECT_LT(first, second);
    }
}

TEST_F(ExportFeatureTest, ExportToPdfWritesTheWholePrintoutUnderTheChosenNameOnly)
{
    ASSERT_TRUE(start());
    openDataSet();
    form->showPage(app::Page::User);
    folder.write("file.pdf", "old");
    Dialogs::preloadFileName(QString::fromStdString(folder.file("file.pdf")));
    trigger("MenuPrintPdf");
    ASSERT_TRUE(folder.read("file.pdf").starts_with("%PDF"));
    if (std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
        const std::string text = pdfText(folder.file("file.pdf"));
        EXPECT_LT(text.find("Door"), text.find("Room 4")) << text;
    }
    // No scratch file stays beside it.
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(".file.pdf")) << entry.path();
    }

    // A folder that does not exist: a message, and nothing written.
    Dialogs::preloadFileName(QString::fromStdString(folder.file("missing/file.pdf")));
    trigger("MenuPrintPdf");
    EXPECT_EQ(Dialogs::shownMessages().size(), 1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing")));
}
