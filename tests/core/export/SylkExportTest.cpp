#include "FakeGrid.h"
#include "core/export/PageTables.h"
#include "core/export/SheetExport.h"
#include "core/export/SylkCells.h"
#include "core/export/TFreeExcelS.h"
#include "core/lists/ListViews.h"
#include "core/text/TextFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <locale>
#include <sys/stat.h>

using namespace vorbix;
using namespace vorbix::exports;

namespace {

PopisType numberedTexts()
{
    PopisType lang;
    for (int n = 0; n < 300; ++n) {
        lang.push_back("T" + std::to_string(n));
    }
    return lang;
}

std::string readFixture(const std::string& name)
{
    std::string content;
    EXPECT_TRUE(text::readFile(std::string(VORBIX_TEST_DATA_DIR) + "/export/" + name, content));
    return content;
}

// The file with only its fixed parts: the fixture minus its cell records.
std::string fixedParts()
{
    const std::string full = readFixture("history.xls");
    const std::size_t cells = full.find("F;P0;FG0R;");
    return full.substr(0, cells) + "E\r\n";
}

// The cell records the table gives, without the fixed parts.
std::string cellsOf(const SheetTable& table)
{
    TFreeExcelS writer("unused.xls");
    std::string error;
    EXPECT_TRUE(writeSheet(table, writer, error)) << error;
    const std::string content = writer.content();
    const std::string fixed = fixedParts();
    return content.substr(fixed.size() - 3, content.size() - fixed.size());
}

// A decimal separator that is a comma, as a German or Czech desktop has it.
struct CommaPoint : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

} // namespace

TEST(SylkExportTest, HistoryExportEqualsTheHandCheckedFileByteForByte)
{
    // Every cell kind: texts with ";", a line break and trailing blanks, a cp1250 letter, time
    // stamps from the records (one at the calendar's zero), integer IDs, and the code "2" as text.
    const PopisType lang = numberedTexts();
    const std::vector<lists::THistoryRec> records{
        {"X212AB4", "2", true, {2009, 3, 7, 8, 15, 30}, 17, {"a;b", "line1\r\nline2\r\n ", "", "\xC8\xE1p"}},
        {"Y00001F", "A=1,B=0", false, {}, 0, {}},
    };
    const lists::HistoryView view(records, lang, {"ID", "U1", "U2", "U3", "U4"}, {true, true, true, true, true});
    test::TempFolder folder;
    std::string error;
    ASSERT_TRUE(exportSheet(historyTable(view, records), folder.file("history.xls"), error)) << error;
    EXPECT_EQ(folder.read("history.xls"), readFixture("history.xls"));
    EXPECT_EQ(std::filesystem::directory_iterator(folder.path())->path().filename(), "history.xls");
}

TEST(SylkExportTest, TextCellsAreEncoded)
{
    struct Case
    {
        std::string text;
        std::string written;
    };
    const Case cases[] = {
        {"a;b", "a;;b"},
        {";;", ";;;;"},
        {"one\r\ntwo", "one\x1B\x20\x3Atwo"},
        {"one\r\ntwo\r\n", "one\x1B\x20\x3Atwo"},
        {"one \r\n \r\n\t ", "one"},
        {"lone\nfeed", "lone\nfeed"},
        {"  lead", "  lead"},
        {"\r\n", ""},
        {"", ""},
        {"\xE8\xE1st", "\xE8\xE1st"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeSylkText(c.text), c.written) << c.text;
    }
}

TEST(SylkExportTest, NumbersUseTheFixedNotationWithAPointWhateverTheLocale)
{
    const std::locale before = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    // A C locale with a comma as well, where the system has one.
    const std::string cBefore = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"cs_CZ.UTF-8", "de_DE.UTF-8", "cs_CZ", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            break;
        }
    }
    struct Case
    {
        double value;
        const char* written;
    };
    const Case cases[] = {
        {1234, "1.23400000000000E+003"},  {0, "0.00000000000000E+000"},
        {-5, "-5.00000000000000E+000"},   {2147483647, "2.14748364700000E+009"},
        {0.5, "5.00000000000000E-001"},   {39879.344097222222, "3.98793440972222E+004"},
        {1e100, "1.00000000000000E+100"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sylkNumber(c.value), c.written);
    }
    TFreeExcelS writer("x.xls");
    std::string error;
    ASSERT_TRUE(writer.WriteTimeStamp(1, 1, 1.25, error));
    EXPECT_NE(writer.content().find("C;Y1;X1;K1.25000000000000E+000\r\n"), std::string::npos);
    std::setlocale(LC_NUMERIC, cBefore.c_str());
    std::locale::global(before);
}

TEST(SylkExportTest, DayCountsStartOnThe30thOfDecember1899)
{
    struct Case
    {
        lists::ListTime time;
        double days;
    };
    const Case cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},     {{1899, 12, 31, 12, 0, 0}, 1.5},
        {{1900, 3, 1, 0, 0, 0}, 61.0}, // 1900 is no leap year
        {{2000, 2, 29, 6, 0, 0}, 36585.25}, {{2026, 12, 10, 23, 59, 59}, 46366.0 + 86399.0 / 86400.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(dayCount(c.time), c.days) << c.time.year << "-" << c.time.month << "-" << c.time.day;
    }
}

TEST(SylkExportTest, IntegerColumnsFallBackToTextForCellsThatAreNoIntegers)
{
    // The memory view's slot column: "-" and other texts stay text, numbers become numbers.
    const test::FakeGrid grid({"#", "Serial"},
                              {{"7", "00A1"}, {"-", "12"}, {" 3", "x"}, {"99999999999", ""}, {"-4", ""}});
    const std::string cells = cellsOf(memoryTable(grid));
    EXPECT_NE(cells.find("F;P0;FG0R;SM5;Y2;X1 \r\nC;Y2;X1;K7.00000000000000E+000\r\n"), std::string::npos);
    EXPECT_NE(cells.find("C;Y3;X1;K\"-\"\r\n"), std::string::npos);
    EXPECT_NE(cells.find("C;Y4;X1;K\" 3\"\r\n"), std::string::npos);
    EXPECT_NE(cells.find("C;Y5;X1;K\"99999999999\"\r\n"), std::string::npos);
    EXPECT_NE(cells.find("C;Y6;X1;K-4.00000000000000E+000\r\n"), std::string::npos);
    // Only column 0 is numeric: "12" in the serial column stays text.
    EXPECT_NE(cells.find("C;Y3;X2;K\"12\"\r\n"), std::string::npos);
}

TEST(SylkExportTest, APageWithoutTableWritesOnlyTheFixedParts)
{
    test::TempFolder folder;
    std::string error;
    ASSERT_TRUE(exportSheet(SheetTable{}, folder.file("monitor.xls"), error)) << error;
    EXPECT_EQ(folder.read("monitor.xls"), fixedParts());
    EXPECT_EQ(fixedParts().size(), 972u + 27 + 58 + 3);
}

TEST(SylkExportTest, CellsBelowRowOrColumnOneAreRefused)
{
    TFreeExcelS writer("x.xls");
    std::string error;
    EXPECT_FALSE(writer.WriteText(0, 1, "a", error));
    EXPECT_EQ(error, "Hodnoty (X,Y) nesm\xECj\xED dos\xE1hnout hodnotu 0");
    EXPECT_FALSE(writer.WriteInteger(1, 0, 5, error));
    EXPECT_TRUE(writer.WriteText(1, 1, "a", error));
    EXPECT_EQ(writer.content().find("Y0"), std::string::npos);
}

TEST(SylkExportTest, AFailedExportLeavesTheOldFileAndNoScratchFile)
{
    test::TempFolder folder;
    const std::string target = folder.write("old.xls", "old content");
    ::chmod(target.c_str(), 0444);
    const test::FakeGrid grid({"a"}, {{"1"}});
    std::string error;
    EXPECT_FALSE(exportSheet(memoryTable(grid), target, error));
    EXPECT_EQ(error, "Soubor \"" + target + "\" nelze uzav\xF8\xEDt - chyba:\r\nthe file is read-only");
    EXPECT_EQ(folder.read("old.xls"), "old content");

    EXPECT_FALSE(exportSheet(memoryTable(grid), folder.file("missing/new.xls"), error));
    EXPECT_TRUE(error.starts_with("Soubor \"" + folder.file("missing/new.xls") + "\" nelze uzav")) << error;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        EXPECT_EQ(entry.path().filename(), "old.xls");
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(SylkExportTest, ANameWithoutExtensionGetsXls)
{
    EXPECT_EQ(withXlsExtension("/tmp/list"), "/tmp/list.xls");
    EXPECT_EQ(withXlsExtension("/tmp/list.xls"), "/tmp/list.xls");
    EXPECT_EQ(withXlsExtension("/tmp/list.csv"), "/tmp/list.csv");
    EXPECT_EQ(withXlsExtension("/tmp/a.b/list"), "/tmp/a.b/list.xls");
}

TEST(SylkExportTest, ListColumnsAreFoundByTheirFieldsWhenUserColumnsAreHidden)
{
    // Battery list with the ID column hidden: the time still becomes a time stamp by its field and
    // User 1 in the ID's place stays text.
    const PopisType lang = numberedTexts();
    const std::vector<lists::TLowBatt> records{{"X1", 0, {2001, 1, 1, 0, 0, 0}, 3, {"42", "", "", ""}}};
    const lists::BatteryView view(records, lang, {"ID", "U1", "U2", "U3", "U4"}, {false, true, false, false, false});
    const SheetTable table = batteryTable(view, records);
    ASSERT_EQ(table.columnCount(), 4);
    EXPECT_EQ(table.kindOf(2), CellKind::TimeStamp);
    EXPECT_EQ(table.kindOf(3), CellKind::Text);
    EXPECT_TRUE(table.widthRuleOf(3).flexible);
    const std::string cells = cellsOf(table);
    EXPECT_NE(cells.find("F;P27;FG0R;SM5;Y2;X3 \r\nC;Y2;X3;K3.68920000000000E+004\r\n"), std::string::npos);
    EXPECT_NE(cells.find("C;Y2;X4;K\"42\"\r\n"), std::string::npos);
}
