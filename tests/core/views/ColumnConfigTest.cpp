#include "core/views/ColumnConfig.h"

#include <gtest/gtest.h>

using namespace vorbix::views;
using vorbix::app::IniFile;

namespace {

std::vector<int> shownCodes(const ColumnCodes& codes)
{
    return std::vector<int>(codes.codes.begin(), codes.codes.begin() + codes.count);
}

ColumnCodes defaultSingle()
{
    ColumnConfig config;
    LoadColumnConfig(IniFile(), config);
    return columnCodesFor(config, GridLayout::Single, 0);
}

TEST(ColumnConfigTest, DefaultsGiveTheDocumentedOrders)
{
    ColumnConfig config;
    LoadColumnConfig(IniFile(), config);
    EXPECT_EQ(shownCodes(columnCodesFor(config, GridLayout::Single, 0)),
              (std::vector<int>{7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5, 6}));
    const ColumnCodes multi = columnCodesFor(config, GridLayout::Multi, 4);
    EXPECT_EQ(shownCodes(multi), (std::vector<int>{7, 8, 9, 10, 11, 0, 1, 2, 3, 21, 41, 22, 42, 23, 43, 24, 44}));
    EXPECT_EQ(multi.codeAt(46), 59);
    EXPECT_EQ(multi.codeAt(47), code::Filler); // beyond the stored list
}

TEST(ColumnConfigTest, ParsesStoredListsPieceByPiece)
{
    struct Case
    {
        const char* text;
        std::vector<int> codes;
    } cases[] = {
        {"12,7,8,", {12, 7, 8}},
        {"12,7,x,8,", {12, 7, 99, 8}},
        {"12,7,,8", {12, 7, 99}}, // text after the last "," is ignored
        {"", {}},
        {"3,-,100,", {3, 99, 100}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseCodeList(c.text), c.codes) << c.text;
    }
}

TEST(ColumnConfigTest, ANonNumericPieceGivesAnEmptyColumnOfCode99)
{
    IniFile ini("[Grid_Config]\nUser_Single=12,7,B,9,10,11,0,1,2,3,4,5,6,\n");
    ColumnConfig config;
    LoadColumnConfig(ini, config);
    const ColumnCodes codes = columnCodesFor(config, GridLayout::Single, 0);
    EXPECT_EQ(codes.count, 12);
    EXPECT_EQ(codes.codeAt(1), code::Unreadable);
}

TEST(ColumnConfigTest, VisibilityFlagsSetTheColumnCount)
{
    IniFile ini("[Setup]\nUserSingle2Visible=0\nUserMultiIDVisible=0\nUserMulti4Visible=0\n");
    ColumnConfig config;
    LoadColumnConfig(ini, config);
    EXPECT_EQ(config.visibleCount(GridLayout::Single), 4);
    EXPECT_EQ(config.visibleCount(GridLayout::Multi), 3);
    EXPECT_EQ(columnCodesFor(config, GridLayout::Single, 0).count, 11);
    EXPECT_EQ(columnCodesFor(config, GridLayout::Multi, 9).count, 3 + 18 + 4);
}

TEST(ColumnConfigTest, SaveWritesAllSixtyCodesAndTheTenFlags)
{
    ColumnConfig config;
    LoadColumnConfig(IniFile(), config);
    config.visible[1][3] = false;
    ColumnCodes codes = defaultSingle();
    IniFile ini;
    SaveColumnConfig(ini, GridLayout::Single, codes, config);

    std::string expected = "12,7,8,9,10,11,0,1,2,3,4,5,6,";
    for (int i = 12; i < 60; ++i) {
        expected += "100,";
    }
    EXPECT_EQ(ini.readString("Grid_Config", "User_Single", ""), expected);
    EXPECT_FALSE(ini.valueExists("Grid_Config", "User_Multi"));
    EXPECT_TRUE(ini.readBool("Setup", "UserSingleIDVisible", false));
    EXPECT_FALSE(ini.readBool("Setup", "UserMulti3Visible", true));

    ColumnConfig reread;
    LoadColumnConfig(ini, reread);
    EXPECT_EQ(columnCodesFor(reread, GridLayout::Single, 0).codes, codes.codes);
    EXPECT_EQ(reread.visible, config.visible);
}

TEST(ColumnConfigTest, DraggingKeepsTheSortColumnOnTheSameColumn)
{
    struct Case
    {
        int sort, from, to, expectedSort;
    } cases[] = {
        {5, 5, 2, 2}, // the sort column itself
        {4, 2, 5, 3}, // dragged over the sort column to the right
        {3, 5, 2, 4}, // dragged over it to the left
        {1, 5, 2, 1}, // outside the moved range
        {6, 2, 5, 6}, {2, 5, 2, 3},
    };
    for (const Case& c : cases) {
        ColumnCodes codes = defaultSingle();
        const int movedCode = codes.codeAt(c.from);
        const int sortCode = codes.codeAt(c.sort);
        int sort = c.sort;
        moveUserColumn(codes, sort, c.from, c.to);
        EXPECT_EQ(sort, c.expectedSort) << c.sort << " " << c.from << " " << c.to;
        EXPECT_EQ(codes.codeAt(c.to), movedCode);
        EXPECT_EQ(codes.codeAt(sort), sortCode);
    }
}

TEST(ColumnConfigTest, DraggingRotatesTheCodesBetween)
{
    ColumnCodes codes = defaultSingle();
    int sort = 0;
    moveUserColumn(codes, sort, 1, 4);
    EXPECT_EQ(shownCodes(codes), (std::vector<int>{7, 9, 10, 11, 8, 0, 1, 2, 3, 4, 5, 6}));
    moveUserColumn(codes, sort, 4, 1);
    EXPECT_EQ(shownCodes(codes), (std::vector<int>{7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5, 6}));
}

TEST(ColumnConfigTest, HidingAndShowingUser2InTheSingleLayout)
{
    ColumnCodes codes = defaultSingle();
    int sort = 11; // the time column
    ASSERT_TRUE(setUserColumnVisible(codes, sort, 9, false));
    EXPECT_EQ(codes.count, 11);
    EXPECT_EQ(shownCodes(codes), (std::vector<int>{7, 8, 10, 11, 0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(codes.codeAt(11), 9); // right behind the shown codes
    EXPECT_EQ(codes.codeAt(sort), 6);
    EXPECT_FALSE(setUserColumnVisible(codes, sort, 9, false)); // already hidden

    moveUserColumn(codes, sort, 0, 3);
    ASSERT_TRUE(setUserColumnVisible(codes, sort, 9, true));
    EXPECT_EQ(shownCodes(codes), (std::vector<int>{8, 10, 11, 7, 0, 1, 2, 3, 4, 5, 6, 9}));
    EXPECT_EQ(codes.codeAt(sort), 6);
}

TEST(ColumnConfigTest, ShowingAColumnStoredFarBehindAppendsItAsLastVisible)
{
    ColumnCodes codes = defaultSingle();
    int sort = 0;
    ASSERT_TRUE(setUserColumnVisible(codes, sort, 7, false));
    ASSERT_TRUE(setUserColumnVisible(codes, sort, 8, false));
    EXPECT_EQ(codes.count, 10);
    ASSERT_TRUE(setUserColumnVisible(codes, sort, 7, true));
    EXPECT_EQ(shownCodes(codes), (std::vector<int>{9, 10, 11, 0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(codes.codeAt(11), 8);
}

TEST(ColumnConfigTest, WidthSectionsKeepTheirKeyCounts)
{
    IniFile ini("[UserGrid_Single]\nCol2=120\n");
    std::vector<int> widths = LoadWidths(ini, RecordGrid::User, GridLayout::Single);
    ASSERT_EQ(widths.size(), 12U);
    EXPECT_EQ(widths[0], 64);
    EXPECT_EQ(widths[1], 120);

    SaveWidths(ini, RecordGrid::Memory, GridLayout::Multi, {10, 20});
    EXPECT_EQ(ini.readInteger("MemGrid_Multi", "Col2", 0), 20);
    EXPECT_EQ(ini.readInteger("MemGrid_Multi", "Col19", 0), 64);
    EXPECT_FALSE(ini.valueExists("MemGrid_Multi", "Col20"));
    EXPECT_EQ(LoadWidths(ini, RecordGrid::User, GridLayout::Multi).size(), 25U);
    EXPECT_EQ(LoadWidths(ini, RecordGrid::Memory, GridLayout::Single).size(), 6U);
}

} // namespace
