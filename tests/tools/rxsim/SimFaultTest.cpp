#include "core/link/Checksum.h"
#include "tools/rxsim/SimReceiver.h"

#include <gtest/gtest.h>

namespace vorbix::rxsim {
namespace {

std::string withChecksum(const std::string& record)
{
    return record + link::Checksum(record);
}

const std::string kErase = withChecksum(":03000004011000");
const std::string kWrite = withChecksum(":02100000ABCD");

// A receiver with one fault set.
struct FaultyReceiver
{
    explicit FaultyReceiver(const SimFaults& faults) : receiver(memory, faults, {}) {}

    std::string exchange(const std::string& bytes)
    {
        receiver.receive(bytes, SimReceiver::Clock::now());
        return receiver.takeOutput();
    }

    SimMemory memory{SimModel{}};
    SimReceiver receiver;
};

std::size_t differences(const std::string& a, const std::string& b)
{
    std::size_t count = a.size() == b.size() ? 0 : 1000;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        count += a[i] != b[i];
    }
    return count;
}

TEST(SimFaultTest, CorruptsOneCharacterOfTheEchoOfTheChosenRecordOnly)
{
    FaultyReceiver sim({.seed = 3, .corruptEchoOfRecord = 2});
    EXPECT_EQ(sim.exchange(kErase), kErase + "K\r\n");
    const std::string second = sim.exchange(kWrite);
    EXPECT_EQ(differences(second, kWrite + "K\r\n"), 1u) << second;
    EXPECT_EQ(sim.memory.hex(0x1000, 2), "ABCD") << "the receiver itself got the record right";
    EXPECT_EQ(sim.exchange(kWrite), kWrite + "K\r\n");
}

TEST(SimFaultTest, AnswersTheChosenRecordAsIfItsChecksumWereWrong)
{
    FaultyReceiver sim({.badChecksumRecord = 1});
    EXPECT_EQ(sim.exchange(kWrite), kWrite + "X\r\n");
    EXPECT_EQ(sim.memory.hex(0x1000, 2), "FFFF") << "nothing was written";
    EXPECT_EQ(sim.exchange(kWrite), kWrite + "K\r\n");
}

TEST(SimFaultTest, CorruptedPositionFollowsTheSeed)
{
    FaultyReceiver a({.seed = 9, .corruptEchoOfRecord = 1});
    FaultyReceiver b({.seed = 9, .corruptEchoOfRecord = 1});
    EXPECT_EQ(a.exchange(kWrite), b.exchange(kWrite));
}

TEST(SimFaultTest, RefusesTheChosenWriteWithoutExecutingIt)
{
    FaultyReceiver sim({.refuseWrite = 2});
    EXPECT_EQ(sim.exchange(kErase), kErase + "K\r\n");
    EXPECT_EQ(sim.exchange(kWrite), kWrite + "R\r\n");
    EXPECT_EQ(sim.memory.hex(0x1000, 2), "FFFF");
    EXPECT_EQ(sim.exchange(kWrite), kWrite + "K\r\n");
}

TEST(SimFaultTest, DropsOneCharacterOfTheChosenReply)
{
    FaultyReceiver sim({.dropReplyCharacter = 1});
    const std::string request = withChecksum(":050000091000100F00") + "\r\n";
    EXPECT_EQ(sim.exchange(request).size(), request.size() + 39);
    EXPECT_EQ(sim.exchange(request).size(), request.size() + 40);
}

TEST(SimFaultTest, StallsAfterTheChosenRecordUntilTheLineIsReset)
{
    FaultyReceiver sim({.stallAfterRecords = 1});
    EXPECT_EQ(sim.exchange(kErase), kErase + "K\r\n");
    EXPECT_EQ(sim.exchange("U" + kErase), "");
    sim.receiver.resetLine();
    EXPECT_EQ(sim.exchange("U" + kErase), "U" + kErase + "K\r\n");
}

TEST(SimFaultTest, GivesTheChosenDumpLineAWrongAddress)
{
    FaultyReceiver sim({.wrongDumpLine = 2});
    const std::string request = withChecksum(":050000092FD02FFF00") + "\r\n";
    const std::string reply = sim.exchange(request).substr(request.size());
    ASSERT_EQ(reply.size(), 3u * 39 + 1);
    EXPECT_EQ(reply.substr(0, 4), "2FD0");
    EXPECT_NE(reply.substr(39, 4), "2FE0");
    EXPECT_EQ(reply.substr(78, 4), "2FF0");
}

} // namespace
} // namespace vorbix::rxsim
