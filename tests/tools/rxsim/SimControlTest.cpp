#include "tools/rxsim/SimControl.h"
#include "core/text/TextFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace vorbix::rxsim {
namespace {

class SimControlTest : public ::testing::Test
{
protected:
    SimMemory m_memory{SimModel{}};
    SimReceiver m_receiver{m_memory, SimFaults{}, {}};
    SimControl m_control{m_receiver, m_memory, 'U'};
};

TEST_F(SimControlTest, AnswersEveryCommandWithOkOrErr)
{
    const struct
    {
        const char* command;
        const char* answer;
    } cases[] = {
        {"press 0212AB4 2", "OK 20212AB40000000000FFFF0000000000"},
        {"status", "OK 20212AB40000000000FFFF0000000000"},
        {"relay 01", "OK 01"},
        {"relay", "OK 01"},
        {"relay 1", "ERR the relay mask must be 2 hex digits"},
        {"mem 0F00 4", "OK 10002FFF"},
        {"mem 0F00 0", "ERR expected: mem ADDR COUNT (ADDR hex, COUNT 1..256 decimal)"},
        {"mem FFFF 2", "ERR expected: mem ADDR COUNT (ADDR hex, COUNT 1..256 decimal)"},
        {"", "ERR empty command"},
        {"jump", "ERR unknown command 'jump' (try help)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m_control.execute(c.command), c.answer) << c.command;
    }
    EXPECT_TRUE(m_control.execute("press X212AB4 2").starts_with("ERR "));
    EXPECT_FALSE(m_control.quitRequested());
    EXPECT_EQ(m_control.execute("quit"), "OK bye");
    EXPECT_TRUE(m_control.quitRequested());
}

TEST_F(SimControlTest, RelayCommandReportsTheRelaysOnTheLine)
{
    static_cast<void>(m_control.execute("relay 01"));
    EXPECT_EQ(m_receiver.takeOutput(), "O\x01");
    EXPECT_EQ(m_receiver.statusBlock().substr(22, 2), "01");
    static_cast<void>(m_control.execute("relay FF"));
    EXPECT_EQ(m_receiver.takeOutput(), "O\x01") << "a one-relay model has relay 1 only";
}

TEST_F(SimControlTest, SaveWritesTheMemoryAsADataFile)
{
    test::TempFolder folder;
    std::string error;
    ASSERT_TRUE(m_memory.fillRandom(2, 5, error)) << error;
    EXPECT_EQ(m_control.execute("save " + folder.file("rx.rxd")), "OK saved " + folder.file("rx.rxd"));
    std::vector<std::string> lines;
    ASSERT_TRUE(text::readLines(folder.file("rx.rxd"), lines));
    const unsigned slots = m_memory.model().recordCount();
    ASSERT_EQ(lines.size(), 3 + 2 * slots);
    EXPECT_EQ(lines[0], "KV1MOD-T");
    EXPECT_EQ(lines[1], std::to_string(slots));
    EXPECT_EQ(lines[2], m_memory.recordImage());
    EXPECT_EQ(lines[2].substr(48, 24), std::string(24, 'F')) << "slot 3 is erased";
    EXPECT_EQ(lines[3 + 2 * 9], "10  0#####");
    EXPECT_EQ(lines[3 + 2 * 99], "100 0#####");
    EXPECT_EQ(lines[3], "1   0#####");
    EXPECT_EQ(lines[4], "x0 -");
    EXPECT_TRUE(m_control.execute("save /nonexistent/dir/rx.rxd").starts_with("ERR "));
}

TEST(SimMemoryTest, FillIsDeterministicAndFindsItsTransmitters)
{
    SimMemory a{SimModel{}};
    SimMemory b{SimModel{}};
    std::string error;
    ASSERT_TRUE(a.fillRandom(30, 11, error));
    ASSERT_TRUE(b.fillRandom(30, 11, error));
    EXPECT_EQ(a.recordImage(), b.recordImage());
    for (int slot : {0, 17, 29}) {
        const std::string serial = a.hex(0x1000 + 12 * static_cast<unsigned>(slot), 3).substr(0, 5);
        EXPECT_EQ(a.slotOfSerial(serial), slot);
    }
    EXPECT_EQ(a.slotOfSerial("FFFFF"), -1) << "erased slots hold no transmitter";
    EXPECT_FALSE(a.fillRandom(a.model().recordCount() + 1, 1, error));
}

TEST(SimMemoryTest, FillAndLookUpFollowTheModelsSerialDigits)
{
    SimModel model;
    model.serialDigits = {23, 2, 20, 4, 6};
    model.buttonDigit = 0;
    model.emptyRecord = "0" + std::string(23, '1');
    SimMemory memory{model};
    std::string error;
    ASSERT_TRUE(memory.fillRandom(1, 3, error)) << error;
    const std::string record = memory.hex(0x1000, 12);
    EXPECT_EQ(record[1], '1') << "digits outside the serial and button keep the empty record's";
    EXPECT_NE(record[0], '0') << "the button code (1 to F) is written";
    const std::string serial = {record[23], record[2], record[20], record[4], record[6]};
    EXPECT_EQ(memory.slotOfSerial(serial), 0);
}

TEST(SimMemoryTest, PasswordBlockHoldsTheCodesThenZeros)
{
    SimMemory memory{SimModel{}};
    EXPECT_EQ(memory.hex(0x0F20, 16), std::string(32, 'F')) << "no password yet";
    std::string error;
    ASSERT_TRUE(memory.setPassword("abc", error));
    EXPECT_EQ(memory.hex(0x0F20, 16), "616263" + std::string(26, '0'));
    EXPECT_TRUE(memory.setPassword(std::string(16, 'x'), error));
    EXPECT_FALSE(memory.setPassword(std::string(17, 'x'), error));
}

} // namespace
} // namespace vorbix::rxsim
