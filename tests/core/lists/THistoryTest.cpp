#include "core/lists/THistory.h"
#include "ListRecordFixture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::lists;

namespace {

class THistoryTest : public ::testing::Test
{
protected:
    void add(const std::string& tx, const std::string& code, int minute, int length = 100)
    {
        std::string error;
        ASSERT_TRUE(history.AddEvent(tx, code, false, {2009, 3, 7, 8, minute, 0}, length, records, error)) << error;
    }
    std::vector<std::string> codes() const
    {
        std::vector<std::string> result;
        for (const THistoryRec& rec : history.Records) {
            result.push_back(rec.TxCode);
        }
        return result;
    }

    test::TempFolder folder;
    THistory history{folder.file("History.dat")};
    model::RecordTable records;
};

} // namespace

TEST_F(THistoryTest, ANewEventGoesOnTopAndTheLengthLimitDropsTheLast)
{
    add("X1", "1", 1, 3);
    add("X2", "1", 2, 3);
    add("X3", "1", 3, 3);
    add("X4", "1", 4, 3);
    EXPECT_EQ(codes(), (std::vector<std::string>{"X4", "X3", "X2"}));
    // A longer list read from an older file keeps its length and loses its last entry.
    add("X5", "1", 5, 2);
    EXPECT_EQ(codes(), (std::vector<std::string>{"X5", "X4", "X3"}));
    history.TrimHistory(1);
    EXPECT_EQ(codes(), (std::vector<std::string>{"X5"}));
}

TEST_F(THistoryTest, LoweringTheLengthKeepsTheFirstEntriesOfTheCurrentOrder)
{
    for (int i = 0; i < 50; ++i) {
        THistoryRec rec;
        rec.TxCode = "X" + std::to_string(i);
        history.Records.push_back(rec);
    }
    history.TrimHistory(10);
    ASSERT_EQ(history.Records.size(), 10u);
    EXPECT_EQ(history.Records.back().TxCode, "X9");
    std::string error;
    ASSERT_TRUE(history.ClearHistory(error));
    EXPECT_TRUE(history.Records.empty());
    EXPECT_EQ(folder.read("History.dat"), "");
}

TEST_F(THistoryTest, LinkingTakesMatchingSerialsWithOverlappingButtonsOnly)
{
    records.resize(4);
    records[1] = test::linkedRecord("12AB4", "4", 9, "wrong button", "");
    records[2] = test::linkedRecord("12AB4", "3", 17, "Room 4", "");
    records[3] = test::linkedRecord("12AB4", "1", 18, "later", "Gate");
    add("X212AB4", "1", 1);
    const THistoryRec& rec = history.Records[0];
    EXPECT_EQ(rec.ID, 17);
    EXPECT_EQ(rec.User, (std::array<std::string, 4>{"Room 4", "Gate", "", ""}));
    // Input states never convert, so input events are never linked.
    records[1] = test::linkedRecord("0000F", "F", 3, "input", "");
    add("A00000F", "3", 2);
    EXPECT_EQ(history.Records[0].ID, 0);

    records[2].User[0] = "Hall";
    std::string error;
    ASSERT_TRUE(history.LinkUserData(records, error));
    EXPECT_EQ(history.Records[1].User[0], "Hall");
}

TEST_F(THistoryTest, SortsAreStableInBothDirectionsAndFollowTheSelectedEntry)
{
    // Keys of (TxCode, Code, minute): equal codes keep their order whichever the direction.
    add("X2", "1", 3);
    add("X1", "2", 1);
    add("X2", "2", 2);
    add("X1", "1", 4);
    // Now X1/1/4, X2/2/2, X1/2/1, X2/1/3.
    int followed = history.SortHistory(HistoryField::TxCode, true, 1);
    EXPECT_EQ(codes(), (std::vector<std::string>{"X1", "X1", "X2", "X2"}));
    EXPECT_EQ(history.Records[0].Code, "1");
    EXPECT_EQ(history.Records[2].Code, "2");
    EXPECT_EQ(followed, 2); // X2/2 moved from row 1 to row 2

    history.SortHistory(HistoryField::Code, false);
    EXPECT_EQ(history.Records[0].TxCode + history.Records[0].Code, "X12");
    EXPECT_EQ(history.Records[1].TxCode + history.Records[1].Code, "X22");
    EXPECT_EQ(history.Records[2].TxCode + history.Records[2].Code, "X11");

    history.SortHistory(HistoryField::Time, false);
    EXPECT_EQ(history.Records[0].Time.minute, 4);
    EXPECT_EQ(history.Records[3].Time.minute, 1);
}

TEST_F(THistoryTest, EverySortGivesTheOrderOfTheNeighbourSwappingSort)
{
    // Few distinct keys, so most comparisons meet equal keys.
    for (int i = 0; i < 120; ++i) {
        THistoryRec rec;
        rec.TxCode = "X" + std::to_string(i * 7 % 5);
        rec.Code = std::to_string(i * 11 % 3);
        rec.Time = {2009, 3, 7, 8, i * 13 % 4, 0};
        rec.LowBatt = i % 3 == 0;
        rec.ID = i * 17 % 6;
        rec.User = {std::string(1, static_cast<char>('a' + i % 2)), "", std::to_string(i % 4), ""};
        history.Records.push_back(rec);
    }
    for (int field = 0; field <= static_cast<int>(HistoryField::User1) + 3; ++field) {
        for (bool ascending : {true, false}) {
            const auto sortField = static_cast<HistoryField>(field);
            std::vector<THistoryRec> expected = history.Records;
            // The list's historical sort, neighbour against neighbour.
            THistory one(folder.file("unused"));
            for (std::size_t p = 0; p + 1 < expected.size(); ++p) {
                for (std::size_t r = 0; r + p + 1 < expected.size(); ++r) {
                    one.Records = {expected[r], expected[r + 1]};
                    one.SortHistory(sortField, ascending);
                    // The pair changes places only when a sort of the two alone puts entry r+1 first.
                    if (one.Records[0] == expected[r + 1] && !(expected[r] == expected[r + 1])) {
                        std::swap(expected[r], expected[r + 1]);
                    }
                }
            }
            history.SortHistory(sortField, ascending);
            EXPECT_EQ(history.Records, expected) << field << " " << ascending;
        }
    }
}
