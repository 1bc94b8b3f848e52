#include "ToolRun.h"
#include "support/DataFileText.h"
#include "support/TempFolder.h"

#include "support/CommandOutput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using vorbix::test::commandOutput;
using vorbix::test::haveProgram;

using vorbix::ctl::test::runTool;
using vorbix::ctl::test::ToolRun;

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The output of a shell command.
class PageCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : {"Rx.def", "RxFncUS.def", "Tx.def", "US.lng"}) {
            folder.copyData(name);
        }
        const std::string zeros(18, '0');
        // Slot 1 ID 5 "Gate"; slot 2 ID 12 with a code page 1250 name; slot 3 empty.
        const std::string image = "01123458010005" + zeros + "05ABCDE005000A" + zeros + std::string(32, '0');
        file = folder.write("set.rxd",
                            vorbix::test::crlf({"KV8MOD-T", "3", image, "1   5#Gate#North###", "10 Remote 4 buttons",
                                                "2   12#\x8E"
                                                "ofie####",
                                                "x0 -", "3   0#####", "x0 -"}));
        // The file view sorted by its column 0 (the ID) downwards.
        folder.write("Vorbix.ini", "[Setup]\r\nSortColSingle=0\r\nSortUpSingle=0\r\n"
                                   "[Grid_Config]\r\nUser_Single=12,7,0,1,8,9,10,11,2,3,4,5,6,\r\n");
    }

    std::string tool(const std::string& command) { return "--folder '" + folder.path() + "' " + command; }

    vorbix::test::TempFolder folder;
    std::string file;
};

} // namespace

TEST_F(PageCommandsTest, ExportWritesTheFileViewWithItsNumbersInTheSettingsOrder)
{
    const ToolRun run = runTool(tool("export '" + file + "' --view file -o '" + folder.file("view") + "' --json"));
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "{\"file\":\"" + folder.file("view.xls") + "\",\"rows\":2,\"columns\":12}\n");
    const std::string sheet = folder.read("view.xls");
    ASSERT_TRUE(sheet.starts_with("ID;PWXL;N;E\r\n"));
    ASSERT_TRUE(sheet.ends_with("\r\nE\r\n"));
    // Sorted by ID downwards: slot 2 (ID 12) in row 2, both as numbers; the serial stays text.
    EXPECT_TRUE(contains(sheet, "C;Y2;X1;K1.20000000000000E+001\r\n"));
    EXPECT_TRUE(contains(sheet, "C;Y2;X2;K2.00000000000000E+000\r\n"));
    EXPECT_TRUE(contains(sheet, "C;Y2;X4;K\"\x8E"
                                "ofie\"\r\n"));
    EXPECT_TRUE(contains(sheet, "C;Y3;X1;K5.00000000000000E+000\r\n"));
    EXPECT_TRUE(contains(sheet, "C;Y3;X3;K\"1012345\"\r\n"));

    const ToolRun memory = runTool(tool("export '" + file + "' --view memory -o '" + folder.file("m.xls") + "'"));
    EXPECT_EQ(memory.exitCode, 0);
    EXPECT_EQ(memory.out, folder.file("m.xls") + ": 2 rows, 7 columns\n");
    EXPECT_TRUE(contains(folder.read("m.xls"), "C;Y3;X1;K2.00000000000000E+000\r\n"));
}

TEST_F(PageCommandsTest, ExportOfTheListsTakesTheRecordsTimes)
{
    folder.write("History.dat", "X212AB4#2#07.03.2009 08:15:30#1#17#a;b####\r\n");
    folder.write("LowBatt.dat", "X212AB4#1#01.01.2001#17#Room####\r\n");
    ASSERT_EQ(runTool(tool("export --history -o '" + folder.file("h.xls") + "'")).exitCode, 0);
    const std::string history = folder.read("h.xls");
    EXPECT_TRUE(contains(history, "F;P27;FG0R;SM5;Y2;X3 \r\nC;Y2;X3;K3.98793440972222E+004\r\n"));
    EXPECT_TRUE(contains(history, "C;Y2;X5;K1.70000000000000E+001\r\n"));
    EXPECT_TRUE(contains(history, "C;Y2;X6;K\"a;;b\"\r\n"));
    ASSERT_EQ(runTool(tool("export --battery -o '" + folder.file("b.xls") + "'")).exitCode, 0);
    EXPECT_TRUE(contains(folder.read("b.xls"), "C;Y2;X3;K3.68920000000000E+004\r\n"));
}

TEST_F(PageCommandsTest, BadCommandLinesAndUnwritableFilesFail)
{
    struct Case
    {
        std::string arguments;
        int exitCode;
    };
    const std::string out = " -o '" + folder.file("x.xls") + "'";
    const Case cases[] = {
        {"export '" + file + "'", 2},
        {"export" + out, 2},
        {"export '" + file + "' --history" + out, 2},
        {"export --history --battery" + out, 2},
        {"export '" + file + "' --view grid" + out, 2},
        {"print '" + file + "'" + out, 2},
        {"export '" + folder.file("missing.rxd") + "'" + out, 1},
        {"export '" + file + "' -o '" + folder.file("no/such/folder.xls") + "'", 1},
        {"print --history --pdf '" + folder.file("no/such/folder.pdf") + "'", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(runTool(tool(c.arguments)).exitCode, c.exitCode) << c.arguments;
    }
    EXPECT_EQ(folder.read("x.xls"), "");
}

TEST_F(PageCommandsTest, PrintedPdfShowsEveryRowOnceInOrderWithTheTitlesAtTheTopOfEachPage)
{
    if (!haveProgram("pdftotext")) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    // 250 events, newest first as the history page shows them: several A4 pages.
    std::string history;
    constexpr int kEvents = 250;
    for (int i = 0; i < kEvents; ++i) {
        char line[96];
        std::snprintf(line, sizeof line, "A%05X#1#15.06.2020 %02d:%02d:00#0#%d#Entry %d####\r\n", i, 23 - i / 60,
                      59 - i % 60, i, i);
        history += line;
    }
    folder.write("History.dat", history);
    const ToolRun run = runTool(tool("print --history --pdf '" + folder.file("h.pdf") + "' --json"));
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_TRUE(run.out.starts_with("{\"file\":")) << run.out;
    const int pages = std::stoi(run.out.substr(run.out.find("\"pages\":") + 8));
    ASSERT_GT(pages, 2);

    const std::string text = commandOutput("pdftotext -layout '" + folder.file("h.pdf") + "' -");
    std::vector<std::string> pageTexts;
    std::size_t start = 0;
    for (std::size_t feed = text.find('\f'); feed != std::string::npos; feed = text.find('\f', start)) {
        pageTexts.push_back(text.substr(start, feed - start));
        start = feed + 1;
    }
    ASSERT_EQ(static_cast<int>(pageTexts.size()), pages);
    int next = 0;
    for (const std::string& page : pageTexts) {
        EXPECT_TRUE(page.starts_with("Serial number")) << page.substr(0, 80);
        for (std::size_t line = page.find('\n'); line != std::string::npos; line = page.find('\n', line + 1)) {
            char tx[8];
            if (std::sscanf(page.c_str() + line + 1, "%7s", tx) == 1 && tx[0] == 'A') {
                char expected[8];
                std::snprintf(expected, sizeof expected, "A%05X", next);
                EXPECT_STREQ(tx, expected);
                ++next;
            }
        }
    }
    EXPECT_EQ(next, kEvents);
}

TEST_F(PageCommandsTest, PrintedPdfGivesBackEveryCzechLetterWithItsFontsEmbedded)
{
    if (!haveProgram("pdftotext") || !haveProgram("pdffonts")) {
        GTEST_SKIP() << "pdftotext or pdffonts (poppler-utils) is not installed";
    }
    folder.copyData("CZ.lng");
    folder.write("Vorbix.ini", "[Setup]\r\nLanguage=CZ\r\n");
    // User texts in code page 1250 with every accented Czech letter, the small ones in one entry, the
    // capitals in the other, a few to a column so that none is cut.
    folder.write("History.dat", "X212AB4#2#11.12.2026 01:15:30#1#17#\xE1\xE8\xEF\xE9#\xEC\xED\xF2\xF3#"
                                "\xF8\x9A\x9D\xFA#\xF9\xFD\x9E#\r\n"
                                "X212AB5#1#11.12.2026 01:16:00#0#18#\xC1\xC8\xCF\xC9#\xCC\xCD\xD2\xD3#"
                                "\xD8\x8A\x8D\xDA#\xD9\xDD\x8E#\r\n");
    ASSERT_EQ(runTool(tool("print --history --pdf '" + folder.file("cz.pdf") + "'")).exitCode, 0);

    const std::string text = commandOutput("pdftotext '" + folder.file("cz.pdf") + "' -");
    // Whole: the user texts, the time stamp, the titles.
    for (const char* word : {"áčďé", "ěíňó", "řšťú", "ůýž", "ÁČĎÉ", "ĚÍŇÓ", "ŘŠŤÚ", "ŮÝŽ", "11.12.2026 01:15:30",
                             "Sériové číslo", "Uživatel 1", "Uživatel 4"}) {
        EXPECT_TRUE(contains(text, word)) << word << " in\n" << text;
    }
    // pdffonts: a title line, a line of dashes under the columns, then a font a line; the fourth
    // column ("emb") says yes for every one.
    const std::string fonts = commandOutput("pdffonts '" + folder.file("cz.pdf") + "'");
    const std::size_t dashes = fonts.find('\n') + 1;
    std::size_t emb = dashes;
    for (int column = 0; column < 3; ++column) {
        emb = fonts.find(' ', emb) + 1;
    }
    emb -= dashes;
    int count = 0;
    for (std::size_t line = fonts.find('\n', dashes) + 1; line < fonts.size(); line = fonts.find('\n', line) + 1) {
        EXPECT_EQ(fonts.substr(line + emb, 3), "yes") << fonts;
        ++count;
    }
    EXPECT_GE(count, 2) << fonts;
}

TEST_F(PageCommandsTest, ASpreadsheetProgramReadsTheCellsNumbersAndDates)
{
    const bool gnumeric = haveProgram("ssconvert");
    if (!gnumeric && !haveProgram("soffice")) {
        GTEST_SKIP() << "no spreadsheet program (ssconvert or soffice) is installed";
    }
    folder.write("History.dat", "X212AB4#2#07.03.2009 08:15:30#1#17#a;b####\r\n");
    ASSERT_EQ(runTool(tool("export --history -o '" + folder.file("h.xls") + "'")).exitCode, 0);
    const std::string csv = folder.file("h.csv");
    const std::string command = gnumeric ? "ssconvert '" + folder.file("h.xls") + "' '" + csv + "' >/dev/null 2>&1"
                                         : "cd '" + folder.path() + "' && HOME='" + folder.path() +
                                               "' soffice --headless --convert-to csv h.xls >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string cells = folder.read("h.csv");
    EXPECT_TRUE(contains(cells, "X212AB4")) << cells;
    EXPECT_TRUE(contains(cells, "17")) << cells;
    EXPECT_TRUE(contains(cells, "a;b")) << cells;
    // The time stamp cell is a date shown as day/month/year hours:minutes.
    EXPECT_TRUE(contains(cells, "7/3/2009 8:15") || contains(cells, "2009")) << cells;
}

// A Czech history: every letter of the pangram, the time stamp and a serial number of digits with
// leading zeros.
class CzechHistoryExportTest : public PageCommandsTest
{
protected:
    void SetUp() override
    {
        PageCommandsTest::SetUp();
        folder.copyData("CZ.lng");
        folder.write("Vorbix.ini", "[Setup]\r\nLanguage=CZ\r\n");
        // "Příliš žluťoučký kůň úpěl ďábelské ódy" in code page 1250.
        folder.write("History.dat",
                     "0012345#2#07.03.2009 08:15:30#1#17#P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2 "
                     "\xFAp\xECl \xEF\xE1\x62\x65lsk\xE9 \xF3\x64y####\r\n");
    }

    static constexpr const char* kPangram = "Příliš žluťoučký kůň úpěl ďábelské ódy";
};

TEST_F(CzechHistoryExportTest, CsvIsUtf8WithATitleRow)
{
    const ToolRun run = runTool(tool("export --history -o '" + folder.file("h.csv") + "'"));
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const std::string csv = folder.read("h.csv");
    EXPECT_TRUE(csv.starts_with("Sériové číslo,")) << csv;
    EXPECT_TRUE(contains(csv, "\r\n0012345,2,07.03.2009 08:15:30,")) << csv;
    EXPECT_TRUE(contains(csv, std::string(",17,") + kPangram + ",,,\r\n")) << csv;
    // --format wins over the extension.
    ASSERT_EQ(runTool(tool("export --history --format csv -o '" + folder.file("h.xls") + "'")).exitCode, 0);
    EXPECT_EQ(folder.read("h.xls"), csv);
}

TEST_F(CzechHistoryExportTest, ASpreadsheetProgramReadsTheWorkbook)
{
    const bool gnumeric = haveProgram("ssconvert");
    if (!gnumeric && !haveProgram("soffice")) {
        GTEST_SKIP() << "no spreadsheet program (ssconvert or soffice) is installed";
    }
    ASSERT_EQ(runTool(tool("export --history -o '" + folder.file("h.xlsx") + "'")).exitCode, 0);
    const std::string command =
        gnumeric
            ? "ssconvert '" + folder.file("h.xlsx") + "' '" + folder.file("h.csv") + "' >/dev/null 2>&1"
            : "cd '" + folder.path() + "' && HOME='" + folder.path() +
                  "' soffice --headless --convert-to csv:Text\\ -\\ txt\\ -\\ csv\\ \\(StarCalc\\):44,34,76 h.xlsx "
                  ">/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string cells = folder.read("h.csv");
    EXPECT_TRUE(contains(cells, kPangram)) << cells;
    EXPECT_TRUE(contains(cells, "0012345")) << cells;
    // A date cell: the reader shows a date and time (in its own order of the parts), not the day count.
    EXPECT_TRUE(contains(cells, "2009") && contains(cells, "08:15:30")) << cells;
    EXPECT_FALSE(contains(cells, "39879")) << cells;
}

TEST_F(CzechHistoryExportTest, TheWorkbookHoldsUnicodeTextsDateCellsAndAFrozenFilteredTitleRow)
{
    if (!haveProgram("unzip")) {
        GTEST_SKIP() << "unzip is not installed";
    }
    ASSERT_EQ(runTool(tool("export --history -o '" + folder.file("h.xlsx") + "'")).exitCode, 0);
    const auto part = [&](const std::string& name) {
        return commandOutput("unzip -p '" + folder.file("h.xlsx") + "' " + name);
    };
    // The texts are written in the cells themselves (the writer streams the rows).
    const std::string sheet = part("xl/worksheets/sheet1.xml");
    EXPECT_TRUE(contains(sheet, std::string("<is><t>") + kPangram + "</t></is>")) << sheet;
    EXPECT_TRUE(contains(sheet, "<c r=\"A2\" t=\"inlineStr\"><is><t>0012345</t></is></c>"))
        << "the serial number is a text: " << sheet;
    EXPECT_TRUE(contains(sheet, "<c r=\"A1\" s=\"1\" t=\"inlineStr\"><is><t>Sériové číslo</t></is></c>")) << sheet;
    EXPECT_TRUE(contains(sheet, "<c r=\"C2\" s=\"2\"><v>39879.34409722222</v></c>")) << "a date cell: " << sheet;
    EXPECT_TRUE(contains(sheet, "<c r=\"E2\"><v>17</v></c>")) << "the ID a number: " << sheet;
    EXPECT_TRUE(contains(sheet, "state=\"frozen\"")) << sheet;
    EXPECT_TRUE(contains(sheet, "<autoFilter ref=\"A1:I2\"/>")) << sheet;
    EXPECT_TRUE(contains(part("xl/styles.xml"), "formatCode=\"yyyy-mm-dd hh:mm:ss\""));
}

TEST_F(PageCommandsTest, ImportWritesNothingWhenARowIsRefusedUnlessToldToSkipIt)
{
    folder.write("in.csv", "Serial number,Button,Function,User 1,Notes\r\n"
                           "x012345,2,On,Door,a\r\n"
                           "x0ZZZZZ,2,On,Bad,b\r\n");
    const std::string out = folder.file("out.rxd");
    const std::string command = "import '" + file + "' --csv '" + folder.file("in.csv") + "' -o '" + out + "'";
    ToolRun run = runTool(tool(command + " --json"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.out, "{\"line\":3,\"reason\":\"The serial number is not valid.\"}\n")) << run.out;
    EXPECT_TRUE(contains(run.out, "{\"encoding\":\"UTF-8\",\"add\":1,\"change\":0,\"unchanged\":0,\"refused\":1,"
                                  "\"unknownColumns\":[\"Notes\"]}\n"))
        << run.out;
    EXPECT_TRUE(folder.read("out.rxd").empty()) << "no output file";

    run = runTool(tool(command + " --skip-bad"));
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "line 2: adds slot 3\n")) << run.out;
    run = runTool(tool("diff '" + file + "' '" + out + "'"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.out, "added x012345 button 2 (slot 3)\n1 added, 0 removed, 0 changed\n")) << run.out;
    EXPECT_EQ(runTool(tool("diff '" + out + "' '" + out + "'")).exitCode, 0);

    // A file that is no table: the reason, and still no output.
    folder.write("bin.csv", std::string("PK\x03\x04\0\0", 6));
    ::unlink(out.c_str());
    run = runTool(tool("import '" + file + "' --csv '" + folder.file("bin.csv") + "' -o '" + out + "'"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(folder.read("out.rxd").empty());
}
