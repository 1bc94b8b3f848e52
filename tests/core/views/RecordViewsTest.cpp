#include "ViewsTestSupport.h"

#include "core/views/ColumnConfig.h"
#include "core/views/MemoryView.h"
#include "core/views/UserView.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::views;
using test::record;

namespace {

std::vector<std::string> titles(const GridText& grid)
{
    std::vector<std::string> result;
    for (int c = 0; c < grid.columnCount(); ++c) {
        result.push_back(grid.title(c));
    }
    return result;
}

std::vector<std::string> row(const GridText& grid, int r)
{
    std::vector<std::string> result;
    for (int c = 0; c < grid.columnCount(); ++c) {
        result.push_back(grid.cellText(r, c));
    }
    return result;
}

ColumnCodes defaultCodes(GridLayout layout, int singleRelay)
{
    ColumnConfig config;
    LoadColumnConfig(app::IniFile(), config);
    return columnCodesFor(config, layout, singleRelay);
}

class RecordViewsTest : public ::testing::Test
{
protected:
    PopisType lang = test::viewTexts();
    model::TRxFnc single = test::singleFunctions();
    model::TRxFnc multi = test::multiFunctions();
};

TEST_F(RecordViewsTest, MemoryGridColumnsFollowLayoutAndModel)
{
    struct Case
    {
        const model::TRxFnc* functions;
        const char* modelName;
        int relays;
        std::vector<std::string> titles;
    } cases[] = {
        {&single, "KV2MIN-S", 2, {"T27", "T28", "T29", "T150", "T151", "T152"}},
        {&single, "KV8MOD-T", 8, {"T27", "T28", "T29", "T150", "T151", "T152", "Name"}},
        {&single, "KV1MOD-T", 1, {"T27", "T28", "T29", "T150", "T151", "T152"}},
        {&multi, "KV4MUL-M", 2, {"T27", "T28", "T29", "T311", "T321", "T312", "T322"}},
        {&multi, "KVPMOD-T", 1, {"T27", "T28", "T29", "T311", "T321", "Name"}},
    };
    for (const Case& c : cases) {
        const model::TDevice device = test::device(c.modelName, c.relays, 4);
        const model::RecordTable records = test::table(4, {});
        MemoryView view;
        view.build(records, test::context(*c.functions, device, lang));
        EXPECT_EQ(titles(view), c.titles) << c.modelName;
        EXPECT_TRUE(view.isEmpty());
        EXPECT_EQ(view.rowCount(), 0);
    }
}

TEST_F(RecordViewsTest, MemoryGridShowsUsedSlotsInSlotOrderWithDecodedFields)
{
    const model::TDevice device = test::device("KV8MOD-T", 8, 5);
    model::TData timed = record(4, "00012", "C", "05", "05", "000A");
    timed.Prefix = "10";
    timed.User[0] = "Gate";
    const model::RecordTable records = test::table(5, {record(2, "ABCDE"), timed});
    MemoryView view;
    view.build(records, test::context(single, device, lang));
    ASSERT_EQ(view.rowCount(), 2);
    EXPECT_EQ(row(view, 0), (std::vector<std::string>{"2", "x0ABCDE", "8", "Pulse", "1", "-", ""}));
    EXPECT_EQ(row(view, 1), (std::vector<std::string>{"4", "1000012", "C", "Timed", "1, 3", "0:01,0", "Gate"}));
    EXPECT_EQ(view.slotOfRow(1), 4);
    EXPECT_EQ(view.rowOfSlot(4), 1);
    EXPECT_EQ(view.rowOfSlot(3), -1);
}

TEST_F(RecordViewsTest, MultiLayoutShowsATimeOnlyForTheTimedFunction)
{
    const model::TDevice device = test::device("KV4MUL-M", 2, 3);
    const model::RecordTable records =
        test::table(3, {record(1, "00001", "1", "03", "00", "000A0014"), record(2, "00002", "1", "01", "00", "000A")});
    MemoryView memory;
    memory.build(records, test::context(multi, device, lang));
    EXPECT_EQ(row(memory, 0), (std::vector<std::string>{"1", "x000001", "1", "Timed", "0:01,0", "Timed", "0:02,0"}));
    EXPECT_EQ(row(memory, 1), (std::vector<std::string>{"2", "x000002", "1", "Pulse", "-", "Pulse", "-"}));

    UserView user;
    user.build(records, test::context(multi, device, lang), defaultCodes(GridLayout::Multi, 4), 5, true);
    // Relay entries beyond the model's two relays stay empty.
    EXPECT_EQ(titles(user).back(), "T324");
    EXPECT_EQ(row(user, 0).back(), "");
    EXPECT_EQ(row(user, 0)[9], "Timed");
    EXPECT_EQ(row(user, 0)[12], "0:02,0");
}

TEST_F(RecordViewsTest, FaultyRowsInBothGrids)
{
    struct Case
    {
        model::TData data;
        bool faulty;
    } cases[] = {
        {record(1, "00001", "8", "01", "01"), false}, {record(1, "00001", "0", "01", "01"), true}, // button "0"
        {record(1, "00001", "8", "09", "01"), true},  // function not in the decoder: "?"
        {record(1, "00001", "8", "01", "00"), true},  // no channel: "-"
        {record(1, "00001", "8", "01", "ZZ"), false}, // unreadable channels show nothing
    };
    const model::TDevice device = test::device("KV8MOD-T", 8, 2);
    for (const Case& c : cases) {
        const model::RecordTable records = test::table(2, {c.data});
        MemoryView memory;
        memory.build(records, test::context(single, device, lang));
        UserView user;
        user.build(records, test::context(single, device, lang), defaultCodes(GridLayout::Single, 0), 0, true);
        EXPECT_EQ(memory.isFaulty(0), c.faulty) << c.data.Button << c.data.Function << c.data.Channels;
        EXPECT_EQ(user.isFaulty(0), c.faulty) << c.data.Button << c.data.Function << c.data.Channels;
    }
}

TEST_F(RecordViewsTest, MultiLayoutRowWithAnUnknownFunctionIsFaulty)
{
    const model::TDevice device = test::device("KV4MUL-M", 2, 2);
    const model::RecordTable records = test::table(2, {record(1, "00001", "1", "07", "00", "0000")});
    MemoryView memory;
    memory.build(records, test::context(multi, device, lang));
    UserView user;
    user.build(records, test::context(multi, device, lang), defaultCodes(GridLayout::Multi, 4), 0, true);
    EXPECT_TRUE(memory.isFaulty(0));
    EXPECT_TRUE(user.isFaulty(0));
}

class UserSortTest : public RecordViewsTest
{
protected:
    void SetUp() override
    {
        std::vector<model::TData> used;
        auto add = [&](int slot, const std::string& prefix, const std::string& serial, int id, const std::string& u1) {
            model::TData r = record(slot, serial);
            r.Prefix = prefix;
            r.ID = id;
            r.User[0] = u1;
            used.push_back(r);
        };
        add(1, "x0", "000A0", 10, "a");
        add(2, "A1", "00100", 2, "B");
        add(3, "10", "000A0", 2, "");
        add(4, "x0", "0000F", 10, "b");
        add(6, "x0", "QQQQQ", 1, "B");
        records = test::table(7, used);
    }

    std::vector<int> order(int sortCode, bool ascending)
    {
        ColumnCodes codes = defaultCodes(GridLayout::Single, 0);
        UserView view;
        view.build(records, test::context(single, device, lang), codes, codes.shownColumnOf(sortCode), ascending);
        std::vector<int> slots;
        for (int r = 0; r < view.rowCount(); ++r) {
            slots.push_back(view.slotOfRow(r));
        }
        return slots;
    }

    model::TDevice device = test::device("KV8MOD-T", 8, 7);
    model::RecordTable records;
};

TEST_F(UserSortTest, SortsByNumberOrByTheCellBytesWithTiesInSlotOrder)
{
    struct Case
    {
        int code;
        bool ascending;
        std::vector<int> slots;
    } cases[] = {
        {code::Serial, true, {6, 4, 1, 3, 2}}, // hex of the digits; "QQQQQ" counts as 0; prefix ignored
        {code::Serial, false, {2, 1, 3, 4, 6}}, {code::ID, true, {6, 2, 3, 1, 4}},    // 2 before 10
        {code::ID, false, {1, 4, 2, 3, 6}},     {code::User1, true, {3, 2, 6, 1, 4}}, // "" < "B" < "a" < "b"
        {code::User1, false, {4, 1, 2, 6, 3}},  {code::Position, false, {6, 4, 3, 2, 1}},
        {code::TxType, true, {1, 2, 3, 4, 6}}, // all "-": slot order
        {code::TxType, false, {1, 2, 3, 4, 6}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(order(c.code, c.ascending), c.slots) << c.code << (c.ascending ? " up" : " down");
    }
}

TEST_F(UserSortTest, TitleClicksToggleAndSwitchTheSortColumn)
{
    int sortColumn = 3;
    bool ascending = true;
    sortByTitleClick(3, sortColumn, ascending);
    EXPECT_FALSE(ascending);
    sortByTitleClick(3, sortColumn, ascending);
    EXPECT_TRUE(ascending);
    sortByTitleClick(3, sortColumn, ascending);
    sortByTitleClick(5, sortColumn, ascending);
    EXPECT_EQ(sortColumn, 5);
    EXPECT_TRUE(ascending);
}

TEST_F(UserSortTest, TheSelectedRecordIsFollowed)
{
    ColumnCodes codes = defaultCodes(GridLayout::Single, 0);
    UserView view;
    view.build(records, test::context(single, device, lang), codes, codes.shownColumnOf(code::ID), true);
    EXPECT_EQ(view.rowToSelect(0, 4), 4); // slot 4 is the last row by ID
    EXPECT_EQ(view.rowToSelect(2, 5), 2); // slot 5 is not shown: the row number stays
    EXPECT_EQ(view.rowToSelect(9, 5), 4); // but not beyond the last row

    UserView empty;
    const model::RecordTable none = test::table(7, {});
    empty.build(none, test::context(single, device, lang), codes, 0, true);
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.rowToSelect(0, 1), -1);
}

TEST_F(UserSortTest, UserGridShowsTheColumnsOfItsCodes)
{
    ColumnCodes codes = defaultCodes(GridLayout::Single, 0);
    codes.codes[1] = code::Unreadable;
    UserView view;
    view.build(records, test::context(single, device, lang), codes, 0, true);
    EXPECT_EQ(titles(view), (std::vector<std::string>{"ID", "", "Place", "Note", "Phone", "T27", "T28", "T54", "T29",
                                                      "T150", "T151", "T152"}));
    EXPECT_EQ(row(view, 1),
              (std::vector<std::string>{"2", "", "", "", "", "2", "A100100", "-", "8", "Pulse", "1", "-"}));
}

} // namespace
