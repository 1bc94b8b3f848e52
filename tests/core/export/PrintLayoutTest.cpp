#include "core/export/PrintLayout.h"
#include "FakeGrid.h"
#include "core/app/Language.h"
#include "core/base/TextNumbers.h"
#include "core/export/PageTables.h"
#include "core/lists/ListViews.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

using namespace vorbix;
using namespace vorbix::exports;

namespace {

// 20 units a character, 60 high: a row takes 70 with its gap.
TextExtent measure(const std::string& text, bool /*bold*/)
{
    return TextExtent{20 * static_cast<int>(text.size()), 60};
}

SheetTable numberedRows(int rows)
{
    SheetTable table;
    table.titles = {"No", "Name"};
    for (int r = 1; r <= rows; ++r) {
        table.rows.push_back({std::to_string(r), "row " + std::to_string(r)});
    }
    return table;
}

struct PrintedLine
{
    int page;
    int y;
    bool bold;
    std::string first;
};

// Each printed row as the page, its y, its face and its first cell; checks that every cell of a row
// shares the row's y and face.
std::vector<PrintedLine> linesOf(const PrintLayout& layout)
{
    std::vector<PrintedLine> lines;
    for (std::size_t p = 0; p < layout.pages.size(); ++p) {
        const std::vector<PrintRun>& runs = layout.pages[p].runs;
        for (std::size_t i = 0; i < runs.size(); i += layout.columnX.size()) {
            for (std::size_t c = 0; c < layout.columnX.size(); ++c) {
                EXPECT_EQ(runs[i + c].y, runs[i].y);
                EXPECT_EQ(runs[i + c].bold, runs[i].bold);
                EXPECT_EQ(runs[i + c].x, layout.columnX[c]);
            }
            lines.push_back({static_cast<int>(p), runs[i].y, runs[i].bold, runs[i].text});
        }
    }
    return lines;
}

} // namespace

TEST(PrintLayoutTest, TitlesRepeatInBoldAtTheTopOfEveryPageAndNoPageHoldsOnlyTitles)
{
    // Page height 1000: the limit 900 is passed after the eleventh row of a page.
    struct Case
    {
        int rows;
        int pages;
    };
    const Case cases[] = {{0, 1}, {1, 1}, {11, 1}, {12, 2}, {22, 2}, {23, 3}};
    for (const Case& c : cases) {
        const PrintLayout layout = layoutPrint(numberedRows(c.rows), measure, 3000, 1000);
        ASSERT_EQ(static_cast<int>(layout.pages.size()), c.pages) << c.rows << " rows";
        const std::vector<PrintedLine> lines = linesOf(layout);
        int next = 1;
        int page = -1;
        int y = 0;
        for (const PrintedLine& line : lines) {
            if (line.page != page) {
                page = line.page;
                EXPECT_TRUE(line.bold) << "page " << page;
                EXPECT_EQ(line.first, "No");
                EXPECT_EQ(line.y, 100);
                y = 100;
                continue;
            }
            y += 70;
            EXPECT_FALSE(line.bold);
            EXPECT_EQ(line.y, y);
            EXPECT_EQ(line.first, std::to_string(next++));
        }
        EXPECT_EQ(next, c.rows + 1) << "every row once, in order";
    }
}

TEST(PrintLayoutTest, AGridWithOnlyItsTitleRowPrintsOneLineAndNoColumnsPrintNothing)
{
    const PrintLayout layout = layoutPrint(numberedRows(0), measure, 3000, 1000);
    ASSERT_EQ(layout.pages.size(), 1u);
    ASSERT_EQ(layout.pages[0].runs.size(), 2u);
    EXPECT_EQ(layout.pages[0].runs[1].text, "Name");
    EXPECT_TRUE(layoutPrint(SheetTable{}, measure, 3000, 1000).pages.empty());
}

TEST(PrintLayoutTest, FlexibleColumnsShareTheRestOfThePageAndTooWideATableIsScaledDown)
{
    SheetTable table;
    table.titles = {"a", std::string(20, 'w'), "u1", "u2", "u3", "u4"};
    table.widthRules = {{.atLeast = 350},   {.atMost = 250},    {.flexible = true},
                        {.flexible = true}, {.flexible = true}, {.flexible = true}};
    struct Case
    {
        int pageWidth;
        int share;
        double scale;
    };
    // The title of column 1 (400) outgrows its maximum. Share = (width - 300 margins - 750 fixed - 200
    // gaps) / 4 within 200..600; below its minimum the table shrinks to the 300 margins short of the width.
    const Case cases[] = {{5000, 600, 1.0}, {3650, 600, 1.0}, {3000, 437, 1.0}, {2050, 200, 1.0}, {1000, 200, 0.4}};
    for (const Case& c : cases) {
        const PrintLayout layout = layoutPrint(table, measure, c.pageWidth, 1000);
        EXPECT_EQ(layout.columnWidths, (std::vector<int>{350, 400, c.share, c.share, c.share, c.share})) << c.pageWidth;
        EXPECT_DOUBLE_EQ(layout.scale, c.scale) << c.pageWidth;
        // The left margin stays 150 on paper.
        const int left = static_cast<int>(150 / c.scale + 0.5);
        EXPECT_EQ(layout.columnX[0], left);
        EXPECT_EQ(layout.columnX[1], left + 390);
        EXPECT_EQ(layout.columnX[3], left + 830 + c.share + 40);
        EXPECT_EQ(layout.pages[0].runs[2].width, c.share);
        EXPECT_EQ(layout.pages[0].runs[2].height, 60);
    }
}

TEST(PrintLayoutTest, AScaledTableFillsItsPagesInTheScaledSpace)
{
    // Below scale 0.5 a page 1000 high holds more than twice the rows it holds at scale 1.
    SheetTable table = numberedRows(60);
    table.titles[1] = std::string(120, 'n'); // 2400 wide on a page 1500 wide: scale 1200 / 2440
    const PrintLayout layout = layoutPrint(table, measure, 1500, 1000);
    ASSERT_LT(layout.scale, 0.5);
    const std::vector<PrintedLine> lines = linesOf(layout);
    int firstPage = 0;
    for (const PrintedLine& line : lines) {
        firstPage += line.page == 0 && !line.bold ? 1 : 0;
        EXPECT_LE((line.y + 60) * layout.scale, 1000.0);
    }
    // At scale 1 a page holds 11 rows.
    EXPECT_GT(firstPage, 2 * 11);
}

TEST(PrintLayoutTest, MinimumAndMaximumWidthsByPage)
{
    // Memory view: columns 3 and 5 at least 200; a wider title keeps its width.
    const test::FakeGrid memory({"#", "Serial", "Type", "B", "Function", std::string(15, 'c')}, {});
    EXPECT_EQ(layoutPrint(memoryTable(memory), measure, 5000, 1000).columnWidths,
              (std::vector<int>{20, 120, 80, 200, 160, 300}));

    PopisType lang;
    for (int n = 0; n < 300; ++n) {
        lang.push_back("T" + std::to_string(n));
    }
    const std::array<std::string, 5> userTitles{std::string(30, 'i'), "U1", "U2", "U3", "U4"};
    // History: time 350, battery 300, ID at most 250 but its title is 600 wide; the users share
    // (width - 300 - 1370 - 320) / 4.
    const std::vector<lists::THistoryRec> history;
    const lists::HistoryView historyView(history, lang, userTitles, {true, true, true, true, true});
    EXPECT_EQ(layoutPrint(historyTable(historyView, history), measure, 5000, 1000).columnWidths,
              (std::vector<int>{60, 60, 350, 300, 600, 600, 600, 600, 600}));
    EXPECT_EQ(layoutPrint(historyTable(historyView, history), measure, 4000, 1000).columnWidths,
              (std::vector<int>{60, 60, 350, 300, 600, 502, 502, 502, 502}));
    // Battery: state 300, time 350, ID at most 250 (but as wide as its title).
    const std::vector<lists::TLowBatt> battery;
    const lists::BatteryView batteryView(battery, lang, userTitles, {true, false, false, false, false});
    EXPECT_EQ(layoutPrint(batteryTable(batteryView, battery), measure, 4000, 1000).columnWidths,
              (std::vector<int>{60, 300, 350, 600}));
}

namespace {

// A serif-like measure: wide capitals, narrow i and l, accented letters as wide as capitals, the
// bold face a tenth wider; 46 high.
TextExtent proportional(const std::string& text, bool bold)
{
    int width = 0;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        width += u == 'W' || u == 'M'                                                   ? 40
                 : u >= 0x80                                                            ? 30
                 : std::isupper(u)                                                      ? 30
                 : std::isdigit(u)                                                      ? 21
                 : u == 'i' || u == 'l' || u == ' ' || u == '.' || u == ':' || u == ',' ? 11
                                                                                        : 19;
    }
    return TextExtent{bold ? width + width / 10 : width, 46};
}

// Every text that is not a clipped free text fits its run, and the columns end within the right
// margin of the scaled page.
void expectEverythingFits(const SheetTable& table, int pageWidth, int pageHeight, const std::string& what)
{
    const PrintLayout layout = layoutPrint(table, proportional, pageWidth, pageHeight);
    ASSERT_FALSE(layout.pages.empty()) << what;
    EXPECT_LE((layout.columnX.back() + layout.columnWidths.back()) * layout.scale, pageWidth - print::kLeft + 1)
        << what;
    for (const PrintPage& page : layout.pages) {
        for (const PrintRun& run : page.runs) {
            EXPECT_LE((run.y + run.height) * layout.scale, pageHeight) << what;
            if (!run.clipped) {
                EXPECT_LE(proportional(run.text, run.bold).width, run.width) << what << ": " << run.text;
            }
        }
    }
    const std::set<std::string> distinct(table.titles.begin(), table.titles.end());
    EXPECT_EQ(distinct.size(), table.titles.size()) << what;
}

} // namespace

TEST(PrintLayoutTest, TheWidestTextsOfEveryPageFitTheirColumnsOnA4PortraitAndLandscape)
{
    struct Page
    {
        int width;
        int height;
    };
    const Page a4[] = {{2480, 3508}, {3508, 2480}}; // 1/300 inch
    const std::string longUserText = "Vr\xE1tnice " + std::string(300, 'W');
    for (const char* code : {"US", "CZ"}) {
        PopisType lang;
        std::string error;
        ASSERT_TRUE(app::LoadLanguage(VORBIX_DATA_DIR, code, lang, error)) << error;
        std::array<std::string, 5> userTitles;
        for (int i = 0; i < 5; ++i) {
            userTitles[static_cast<std::size_t>(i)] = LangText(lang, lang::kFirstUserTitle + i);
        }
        std::vector<lists::THistoryRec> history;
        std::vector<lists::TLowBatt> battery;
        for (int i = 0; i < 150; ++i) {
            const lists::ListTime time{2026, 12, 28 + i % 4, 23, 58, 59};
            history.push_back({"WM99999",
                               i % 2 ? "A=1,B=1" : "1+2+3+4",
                               i % 3 == 0,
                               time,
                               99999 - i,
                               {longUserText, longUserText, "", longUserText}});
            battery.push_back({"WM99999", i % 2, time, 99999 - i, {longUserText, "", longUserText, longUserText}});
        }
        const lists::HistoryView historyView(history, lang, userTitles, {true, true, true, true, true});
        const lists::BatteryView batteryView(battery, lang, userTitles, {true, true, true, true, true});
        // The memory view of a receiver with 20 relays: every relay's function and time.
        std::vector<std::string> memoryTitles{LangText(lang, lang::kColumnPosition),
                                              LangText(lang, lang::kColumnSerial), LangText(lang, lang::kColumnButton)};
        std::vector<std::string> memoryRow{"2000", "WM99999", "1+2+3+4"};
        for (int relay = 1; relay <= 20; ++relay) {
            memoryTitles.push_back(LangText(lang, lang::kColumnRelayFunction) + std::to_string(relay));
            memoryTitles.push_back(LangText(lang, lang::kColumnRelayTime) + std::to_string(relay));
            memoryRow.push_back("Impulse");
            memoryRow.push_back("59:59");
        }
        const test::FakeGrid memory(memoryTitles, std::vector<std::vector<std::string>>(300, memoryRow));

        const std::pair<std::string, SheetTable> tables[] = {
            {"history", historyTable(historyView, history)},
            {"battery", batteryTable(batteryView, battery)},
            {"memory", memoryTable(memory)},
        };
        for (const auto& [name, table] : tables) {
            for (const Page& page : a4) {
                expectEverythingFits(table, page.width, page.height,
                                     std::string(code) + " " + name + " " + std::to_string(page.width));
            }
        }
    }
}
