#include "ViewsTestSupport.h"

#include "core/views/MemoryView.h"
#include "core/views/RecordCommands.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::views;
using test::record;

namespace {

class RecordCommandsTest : public ::testing::Test
{
protected:
    PopisType lang = test::viewTexts();
    std::vector<std::string> messages;
    ErrorSink sink = [this](const std::string& m) { messages.push_back(m); };
    model::TDevice device = test::device("KV8MOD-T", 8, 5);
};

TEST_F(RecordCommandsTest, AddUsesTheFirstFreeSlotAndKeepsItEmptyForSerial00000)
{
    model::RecordTable records = test::table(5, {record(1, "11111"), record(3, "33333")});
    device.UsedCount = 5;
    int slot = 0;
    ASSERT_TRUE(prepareAddSlot(device, records, slot, lang, sink));
    EXPECT_EQ(slot, 2);
    EXPECT_EQ(records[2].Position, 2);
    EXPECT_EQ(records[2].Raw, device.EmptyRecord);

    model::TData accepted = records[2];
    accepted.Serial = "00000";
    EXPECT_FALSE(finishAdd(accepted));
    EXPECT_TRUE(accepted.Empty);
    accepted.Serial = "00001";
    EXPECT_TRUE(finishAdd(accepted));
    EXPECT_FALSE(accepted.Empty);
}

TEST_F(RecordCommandsTest, AddWithoutAFreeSlotReports94)
{
    model::RecordTable records = test::table(2, {record(1, "11111"), record(2, "22222")});
    device.RecordCount = 2;
    int slot = 0;
    EXPECT_FALSE(prepareAddSlot(device, records, slot, lang, sink));
    EXPECT_EQ(messages, (std::vector<std::string>{"T94"}));
}

TEST_F(RecordCommandsTest, AddTheLastTransmitter)
{
    model::RecordTable records = test::table(5, {record(1, "11111")});
    device.UsedCount = 5;
    int slot = 0;
    ASSERT_TRUE(prepareAddLastTx(device, records, slot, "10ABCDE", "4", lang, sink));
    EXPECT_EQ(slot, 2);
    EXPECT_EQ(records[2].Prefix, "10");
    EXPECT_EQ(records[2].Serial, "ABCDE");
    EXPECT_EQ(records[2].Button, "4");
}

TEST_F(RecordCommandsTest, DeletingThreeSelectedRowsClearsTheirSlots)
{
    model::RecordTable records =
        test::table(5, {record(1, "11111"), record(2, "22222"), record(3, "33333"), record(5, "55555")});
    PopisType texts = lang;
    model::TRxFnc functions = test::singleFunctions();
    MemoryView view;
    view.build(records, test::context(functions, device, texts));
    std::vector<int> selected;
    for (int row = 1; row <= 3; ++row) {
        selected.push_back(view.slotOfRow(row));
    }
    deleteSlots(device, records, selected);
    view.build(records, test::context(functions, device, texts));
    ASSERT_EQ(view.rowCount(), 1);
    EXPECT_EQ(view.slotOfRow(0), 1);
    EXPECT_EQ(records[5].Serial, "00000");
    EXPECT_EQ(records[5].User[0], "");
}

TEST_F(RecordCommandsTest, NewDialogChoosesTheModelOfTheDescription)
{
    const std::vector<model::TRxArray> models{{"KV1MOD-T", "One", 0}, {"KV8MOD-T", "Eight", 1}};
    const std::vector<std::string> descriptions{"One", "Eight"};
    std::string name;
    ASSERT_TRUE(chooseNewModel(models, descriptions, 1, "", name));
    EXPECT_EQ(name, "KV8MOD-T");
    ASSERT_TRUE(chooseNewModel(models, descriptions, -1, "One", name));
    EXPECT_EQ(name, "KV1MOD-T");
    EXPECT_FALSE(chooseNewModel(models, descriptions, -1, "Two", name));
}

} // namespace
