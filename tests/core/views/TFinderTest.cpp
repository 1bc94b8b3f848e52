#include "core/views/TFinder.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::views;

namespace {

// A grid given as its cells.
class FixedGrid : public GridText
{
public:
    explicit FixedGrid(std::vector<std::vector<std::string>> rows) : m_rows(std::move(rows)) {}
    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    int columnCount() const override { return m_rows.empty() ? 0 : static_cast<int>(m_rows[0].size()); }
    std::string title(int) const override { return {}; }
    std::string cellText(int row, int column) const override
    {
        return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    bool isFaulty(int) const override { return false; }

private:
    std::vector<std::vector<std::string>> m_rows;
};

const FixedGrid grid({
    {"1", "x0ABCDE", "Gate"},
    {"2", "x000120", "Door"},
    {"3", "x0FFFFF", "Flat 12"},
    {"4", "x0ABC00", ""},
});

std::vector<int> walk(TFinder& finder, FindPage page, const GridText& g, int column, int steps)
{
    std::vector<int> hits;
    for (int i = 0; i < steps; ++i) {
        int row = -1;
        const FindResult result = finder.run(page, g, column, row);
        hits.push_back(result == FindResult::Found ? row : -1);
    }
    return hits;
}

TEST(TFinderTest, FindsInAnyColumnFromTheTopAndWrapsAfterNotFound)
{
    TFinder finder;
    ASSERT_TRUE(finder.accept("12", 0));
    EXPECT_EQ(walk(finder, FindPage::Memory, grid, kAllColumns, 4), (std::vector<int>{1, 2, -1, 1}));
    EXPECT_EQ(finder.position(FindPage::Memory).column, 1);
    EXPECT_EQ(finder.position(FindPage::Memory).row, 2);
}

TEST(TFinderTest, MatchesCaseSensitiveSubstringsOnly)
{
    struct Case
    {
        const char* text;
        int column;
        std::vector<int> hits;
    } cases[] = {
        {"abc", kAllColumns, {-1}},
        {"ABC", kAllColumns, {0, 3, -1}},
        {"ABC", 2, {-1}},
        {"Flat 12", 2, {2, -1}},
        {"x0", 0, {-1}},
    };
    for (const Case& c : cases) {
        TFinder finder;
        ASSERT_TRUE(finder.accept(c.text, 1));
        EXPECT_EQ(walk(finder, FindPage::File, grid, c.column, static_cast<int>(c.hits.size())), c.hits) << c.text;
    }
}

TEST(TFinderTest, EmptyTextKeepsThePreviousSearch)
{
    TFinder finder;
    ASSERT_TRUE(finder.accept("Door", 2));
    EXPECT_FALSE(finder.accept("", 0));
    EXPECT_EQ(finder.searchText(), "Door");
    EXPECT_EQ(finder.searchColumn(), 2);
    ASSERT_TRUE(finder.accept("Door", 0));
    EXPECT_EQ(finder.history(), (std::vector<std::string>{"Door", "Door"}));
}

TEST(TFinderTest, ATitleClickResetStartsTheFileViewAtTheTop)
{
    TFinder finder;
    ASSERT_TRUE(finder.accept("x0", 0));
    EXPECT_EQ(walk(finder, FindPage::File, grid, kAllColumns, 2), (std::vector<int>{0, 1}));
    EXPECT_EQ(walk(finder, FindPage::Memory, grid, kAllColumns, 1), (std::vector<int>{0}));
    finder.resetPosition(FindPage::File);
    EXPECT_EQ(walk(finder, FindPage::File, grid, kAllColumns, 1), (std::vector<int>{0}));
    EXPECT_EQ(walk(finder, FindPage::Memory, grid, kAllColumns, 1), (std::vector<int>{1}));
}

TEST(TFinderTest, OtherPagesDoNothing)
{
    TFinder finder;
    ASSERT_TRUE(finder.accept("1", 0));
    int row = 7;
    EXPECT_EQ(finder.run(FindPage::Other, grid, kAllColumns, row), FindResult::Skipped);
    EXPECT_EQ(row, -1);
    EXPECT_TRUE(findItemCaptions(FindPage::Other, {}, {}).empty());
}

TEST(TFinderTest, ColumnItemsOfEachPage)
{
    PopisType lang(310);
    for (int n : {145, 27, 28, 216, 168}) {
        lang[static_cast<std::size_t>(n)] = "T" + std::to_string(n);
    }
    const std::array<std::string, 5> users{"ID", "U1", "U2", "U3", "U4"};
    EXPECT_EQ(findItemCaptions(FindPage::Memory, lang, users), (std::vector<std::string>{"T145", "T27", "T28"}));
    EXPECT_EQ(findItemCaptions(FindPage::History, lang, users),
              (std::vector<std::string>{"T145", "T216", "T28", "ID", "U1", "U2", "U3", "U4"}));
    EXPECT_EQ(findItemCaptions(FindPage::Battery, lang, users)[1], "T168");

    ColumnCodes codes;
    codes.count = 4;
    codes.codes[0] = code::Serial;
    codes.codes[1] = code::User1 + 1;
    codes.codes[2] = code::Position;
    codes.codes[3] = code::ID;
    codes.codes[4] = code::User1; // hidden
    struct Case
    {
        FindPage page;
        int item;
        int column;
    } cases[] = {
        {FindPage::Memory, 0, kAllColumns},
        {FindPage::Memory, 2, 1},
        {FindPage::Memory, 3, kNoColumn},
        {FindPage::File, 1, 2},
        {FindPage::File, 2, 0},
        {FindPage::File, 3, 3},
        {FindPage::File, 5, 1},
        {FindPage::File, 4, kNoColumn},
        {FindPage::History, 1, 2},
        {FindPage::History, 2, 0},
        {FindPage::History, 7, 8},
        {FindPage::Battery, 3, 3},
        {FindPage::Battery, 7, 7},
        {FindPage::Other, 0, kNoColumn},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(findItemColumn(c.page, c.item, &codes), c.column) << static_cast<int>(c.page) << " " << c.item;
    }
}

} // namespace
