#include "core/export/PrintLayout.h"
#include "FakeGrid.h"
#include "core/export/PageTables.h"
#include "core/lists/ListViews.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::exports;

namespace {

// 20 units a character, 60 high: a row takes 70 with its gap.
TextExtent measure(const std::string& text)
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

TEST(PrintLayoutTest, FlexibleColumnsShareTheRestOfThePageAtMost600AndAtLeast200)
{
    SheetTable table;
    table.titles = {"a", std::string(20, 'w'), "u1", "u2", "u3", "u4"};
    table.widthRules = {{.atLeast = 350},   {.atMost = 250},    {.flexible = true},
                        {.flexible = true}, {.flexible = true}, {.flexible = true}};
    struct Case
    {
        int pageWidth;
        int share;
    };
    // Share = (width - 300 - 600 fixed - 320) / 4, remainder dropped.
    const Case cases[] = {{5000, 600}, {3623, 600}, {3000, 445}, {2023, 200}, {1000, 200}};
    for (const Case& c : cases) {
        const PrintLayout layout = layoutPrint(table, measure, c.pageWidth, 1000);
        EXPECT_EQ(layout.columnWidths, (std::vector<int>{350, 250, c.share, c.share, c.share, c.share})) << c.pageWidth;
        EXPECT_EQ(layout.columnX[0], 150);
        EXPECT_EQ(layout.columnX[1], 540);
        EXPECT_EQ(layout.columnX[2], 830);
        EXPECT_EQ(layout.columnX[3], 830 + c.share + 40);
        EXPECT_EQ(layout.pages[0].runs[2].width, c.share);
        EXPECT_EQ(layout.pages[0].runs[2].height, 60);
    }
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
    // History: time 350, battery 300, ID at most 250; the users share (width - 300 - 1020 - 320) / 4.
    const std::vector<lists::THistoryRec> history;
    const lists::HistoryView historyView(history, lang, userTitles, {true, true, true, true, true});
    EXPECT_EQ(layoutPrint(historyTable(historyView, history), measure, 5000, 1000).columnWidths,
              (std::vector<int>{60, 60, 350, 300, 250, 600, 600, 600, 600}));
    EXPECT_EQ(layoutPrint(historyTable(historyView, history), measure, 4000, 1000).columnWidths,
              (std::vector<int>{60, 60, 350, 300, 250, 590, 590, 590, 590}));
    // Battery: state 300, time 350, ID at most 250.
    const std::vector<lists::TLowBatt> battery;
    const lists::BatteryView batteryView(battery, lang, userTitles, {true, false, false, false, false});
    EXPECT_EQ(layoutPrint(batteryTable(batteryView, battery), measure, 4000, 1000).columnWidths,
              (std::vector<int>{60, 300, 350, 250}));
}
