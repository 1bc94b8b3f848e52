#include "core/lists/TBatt.h"
#include "ListRecordFixture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::lists;

namespace {

class TBattTest : public ::testing::Test
{
protected:
    TBatt::Report report(const std::string& tx, bool low, int minute, int key = 0, bool up = true)
    {
        return batt.ReportBattery(tx, low, {2009, 3, 7, 8, minute, 0}, records, key, up);
    }
    std::string states() const
    {
        std::string result;
        for (const TLowBatt& rec : batt.Records) {
            result += rec.TxCode + ":" + std::to_string(rec.State) + " ";
        }
        return result;
    }

    test::TempFolder folder;
    TBatt batt{folder.file("LowBatt.dat")};
    model::RecordTable records;
};

} // namespace

TEST_F(TBattTest, StateFollowsTheReportsOfATransmitter)
{
    records.resize(2);
    records[1] = test::linkedRecord("12AB4", "8", 17, "Room 4", "");
    EXPECT_TRUE(report("X212AB4", true, 1).saved);
    EXPECT_EQ(states(), "X212AB4:0 ");
    EXPECT_EQ(batt.Records[0].ID, 17); // linked whatever the button
    report("X212AB4", false, 2);
    EXPECT_EQ(states(), "X212AB4:1 ");
    report("X212AB4", true, 3);
    EXPECT_EQ(states(), "X212AB4:0 ");
    EXPECT_EQ(batt.Records[0].Time.minute, 3);
    EXPECT_EQ(folder.read("LowBatt.dat"), "X212AB4#0#07.03.2009 08:03:00#17#Room 4####\r\n");
}

TEST_F(TBattTest, AGoodFirstReportAddsNothingAndTheInputDeviceIsIgnored)
{
    EXPECT_TRUE(report("X1", false, 1).saved); // still sorted and saved
    EXPECT_TRUE(batt.Records.empty());
    EXPECT_TRUE(folder.read("LowBatt.dat").empty());
    const TBatt::Report input = report("A0000F2", true, 2);
    EXPECT_TRUE(input.ignored);
    EXPECT_FALSE(input.saved);
    EXPECT_TRUE(batt.Records.empty());
}

TEST_F(TBattTest, TheThreeClearCommands)
{
    for (const char* tx : {"X1", "X2", "X3", "X4", "X5"}) {
        report(tx, true, 1);
    }
    report("X2", false, 2);
    report("X4", false, 2);
    std::string error;
    ASSERT_TRUE(batt.RemoveChanged(error));
    EXPECT_EQ(states(), "X1:0 X3:0 X5:0 ");
    ASSERT_TRUE(batt.RemoveEntry(1, error));
    ASSERT_TRUE(batt.RemoveEntry(7, error)); // outside: nothing removed, the file still written
    EXPECT_EQ(states(), "X1:0 X5:0 ");
    ASSERT_TRUE(batt.ClearAll(error));
    EXPECT_TRUE(batt.Records.empty());
    EXPECT_EQ(folder.read("LowBatt.dat"), "");
}

TEST_F(TBattTest, SortsByKeyNumberStablyAndTheOldestFirstByTime)
{
    report("X3", true, 5);
    report("X1", true, 7);
    report("X2", true, 6);
    report("X1", false, 8); // changed, newest
    std::string error;
    ASSERT_TRUE(batt.SortLowBatt(2, true, error));
    EXPECT_EQ(states(), "X3:0 X2:0 X1:1 ");
    ASSERT_TRUE(batt.SortLowBatt(1, false, error));
    EXPECT_EQ(states(), "X1:1 X3:0 X2:0 ");
    int followed = 2;
    ASSERT_TRUE(batt.SortLowBatt(1, true, error, &followed));
    EXPECT_EQ(states(), "X3:0 X2:0 X1:1 ");
    EXPECT_EQ(followed, 1);
    ASSERT_TRUE(batt.SortLowBatt(9, true, error)); // no such key: the order stays
    EXPECT_EQ(states(), "X3:0 X2:0 X1:1 ");
}
