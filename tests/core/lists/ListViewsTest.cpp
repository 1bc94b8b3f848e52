#include "core/lists/ListViews.h"
#include "core/lists/TBatt.h"
#include "core/lists/THistory.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::lists;

namespace {

PopisType numberedTexts()
{
    PopisType lang;
    for (int n = 0; n < 300; ++n) {
        lang.push_back("T" + std::to_string(n));
    }
    return lang;
}

const std::array<std::string, 5> Titles{"ID", "U1", "U2", "U3", "U4"};

} // namespace

TEST(ListViewsTest, HistoryColumnsFollowTheVisibleUserColumns)
{
    const PopisType lang = numberedTexts();
    std::vector<THistoryRec> records{{"X212AB4", "2", true, {2009, 3, 7, 8, 15, 30}, 17, {"a", "b", "c", "d"}}};
    const HistoryView view(records, lang, Titles, {true, false, true, false, true});
    ASSERT_EQ(view.columnCount(), 7);
    std::vector<std::string> titles, cells;
    for (int c = 0; c < view.columnCount(); ++c) {
        titles.push_back(view.title(c));
        cells.push_back(view.cellText(0, c));
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"T28", "T29", "T216", "T169", "ID", "U2", "U4"}));
    EXPECT_EQ(cells, (std::vector<std::string>{"X212AB4", "2", "07.03.2009 08:15:30", "T204", "17", "b", "d"}));
    EXPECT_EQ(view.mark(0, 3), CellMark::Red);
    EXPECT_EQ(view.fieldOfColumn(5), static_cast<int>(HistoryField::User1) + 1);
    EXPECT_EQ(view.columnOfField(static_cast<int>(HistoryField::User1)), -1);
}

TEST(ListViewsTest, BatteryColumnsMapToTheirFieldNumbersWhenUserColumnsAreHidden)
{
    const PopisType lang = numberedTexts();
    std::vector<TLowBatt> records{{"X1", 0, {}, 3, {"a", "b", "c", "d"}}, {"X2", 1, {}, 0, {}}};
    const BatteryView view(records, lang, Titles, {false, true, false, false, true});
    ASSERT_EQ(view.columnCount(), 5);
    // Column 3 shows User 1 (key 4), column 4 User 4 (key 7): a click there must not sort by ID or User 1.
    EXPECT_EQ(view.fieldOfColumn(3), 4);
    EXPECT_EQ(view.fieldOfColumn(4), 7);
    EXPECT_EQ(view.columnOfField(7), 4);
    EXPECT_EQ(view.columnOfField(3), -1);
    EXPECT_EQ(view.title(2), "T168");
    EXPECT_EQ(view.cellText(0, 1), "T204");
    EXPECT_EQ(view.cellText(1, 1), "T205");
    EXPECT_EQ(view.mark(0, 1), CellMark::Red);
    EXPECT_EQ(view.mark(1, 1), CellMark::Green);
    EXPECT_EQ(view.cellText(0, 4), "d");
}
