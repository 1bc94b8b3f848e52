#include "tools/rxsim/SimReceiver.h"
#include "core/link/Checksum.h"

#include <gtest/gtest.h>

namespace vorbix::rxsim {
namespace {

using namespace std::chrono_literals;

std::string withChecksum(const std::string& record)
{
    return record + link::Checksum(record);
}

// A read request as the program builds it, with checksum and line end.
std::string readRequest(char type, unsigned first, unsigned last)
{
    return withChecksum(std::string(":0500000") + type + link::HexWord(first) + link::HexWord(last) + "00") + "\r\n";
}

class SimReceiverTest : public ::testing::Test
{
protected:
    explicit SimReceiverTest(const std::string& modelName = "KV1MOD-T")
    {
        static_cast<void>(builtInModel(modelName, m_model));
    }

    SimReceiver& receiver()
    {
        if (!m_receiver) {
            m_memory = std::make_unique<SimMemory>(m_model);
            m_receiver = std::make_unique<SimReceiver>(*m_memory, m_faults,
                                                       [this](const std::string& line) { m_log += line + "\n"; });
        }
        return *m_receiver;
    }
    SimMemory& memory()
    {
        receiver();
        return *m_memory;
    }

    // Everything the receiver answers to `bytes`.
    std::string exchange(const std::string& bytes, std::chrono::milliseconds at = 0ms)
    {
        receiver().receive(bytes, m_t0 + at);
        return receiver().takeOutput();
    }

    SimModel m_model;
    SimFaults m_faults;
    std::string m_log;
    SimReceiver::TimePoint m_t0 = SimReceiver::Clock::now();
    std::unique_ptr<SimMemory> m_memory;
    std::unique_ptr<SimReceiver> m_receiver;
};

class SimReceiverEightRelayTest : public SimReceiverTest
{
protected:
    SimReceiverEightRelayTest() : SimReceiverTest("KV8MOD-T") {}
};

TEST_F(SimReceiverTest, ConfigurationReadEchoesTheRequestAndAnswersWithSixteenBytes)
{
    const std::string request = readRequest('1', 0x0F00, 0x0F0F);
    const std::string answer = exchange(request);
    ASSERT_EQ(answer.substr(0, request.size()), request);
    const std::string reply = answer.substr(request.size());
    ASSERT_EQ(reply.size(), 2u * 16 + 8);
    EXPECT_EQ(reply.substr(5, 32), "10002FFF0F400F100F20000000000000");
    EXPECT_EQ(reply.substr(37, 2), "\r\n");
}

TEST_F(SimReceiverTest, EchoesEachCharacterAsItArrives)
{
    const std::string request = withChecksum(":03000004011000");
    for (std::size_t i = 0; i + 1 < request.size(); ++i) {
        EXPECT_EQ(exchange(request.substr(i, 1)), request.substr(i, 1)) << "character " << i;
    }
    EXPECT_EQ(exchange(request.substr(request.size() - 1)), request.substr(request.size() - 1) + "K\r\n");
}

TEST_F(SimReceiverTest, IgnoresEverythingOutsideARecordButAnswersEachU)
{
    EXPECT_EQ(exchange(std::string("\x04\x00\x07\x00", 4)), "");
    EXPECT_EQ(exchange("\xAA\xAA\xAA"), "");
    EXPECT_EQ(exchange("S\r\n"), "");
    EXPECT_EQ(exchange("U"), "U");
    EXPECT_EQ(exchange("UUU"), "UUU");
}

TEST_F(SimReceiverTest, WrongChecksumIsRefusedWithXAndChangesNothing)
{
    const std::string record = ":02100000ABCD";
    const std::string wrong = record + "00";
    ASSERT_NE(link::Checksum(record), "00");
    EXPECT_EQ(exchange(wrong), wrong + "X\r\n");
    EXPECT_EQ(memory().hex(0x1000, 2), "FFFF");
}

TEST_F(SimReceiverTest, ReadWaitsForTheLineEndAfterTheChecksum)
{
    const std::string request = readRequest('9', 0x1000, 0x100F);
    const std::string withoutLineEnd = request.substr(0, request.size() - 2);
    EXPECT_EQ(exchange(withoutLineEnd), withoutLineEnd);
    const std::string rest = exchange("\r\n");
    EXPECT_EQ(rest.substr(0, 2), "\r\n");
    EXPECT_EQ(rest.size(), 2u + 40);
}

TEST_F(SimReceiverTest, ReadReplyHasTwoNPlusEightCharacters)
{
    memory().set(0x1234, 0x5A);
    for (unsigned count : {1u, 5u, 16u}) {
        const std::string request = readRequest('9', 0x1234, 0x1234 + count - 1);
        const std::string reply = exchange(request).substr(request.size());
        ASSERT_EQ(reply.size(), 2 * count + 8) << count;
        EXPECT_EQ(reply.substr(5, 2), "5A");
        EXPECT_EQ(reply.substr(5, 2 * count), memory().hex(0x1234, count));
        EXPECT_EQ(reply.substr(2 * count + 5, 2), "\r\n");
    }
}

TEST_F(SimReceiverTest, DumpReadSendsLinesUpToTheLineHoldingMemEnd)
{
    const std::string request = readRequest('9', 0x2FD0, 0x2FFF);
    const std::string reply = exchange(request).substr(request.size());
    ASSERT_EQ(reply.size(), 3u * 39 + 1);
    for (unsigned line = 0; line < 3; ++line) {
        const std::string text = reply.substr(39 * line, 39);
        EXPECT_EQ(text.substr(0, 4), link::HexWord(0x2FD0 + 16 * line));
        EXPECT_EQ(text.substr(5, 32), memory().hex(0x2FD0 + 16 * line, 16));
        EXPECT_EQ(text.substr(37, 2), "\r\n");
    }
}

TEST_F(SimReceiverTest, LastSixteenBytesAreADumpLineThatIsAlsoAValidReadReply)
{
    const std::string request = readRequest('9', 0x2FF0, 0x2FFF);
    const std::string reply = exchange(request).substr(request.size());
    ASSERT_EQ(reply.size(), 2u * 16 + 8);
    EXPECT_EQ(reply.substr(0, 4), "2FF0");
    EXPECT_EQ(reply.substr(37, 2), "\r\n");
}

TEST_F(SimReceiverTest, RefusesReadsOutsideWhatTheirTypeReads)
{
    const struct
    {
        std::string request;
        const char* why;
    } cases[] = {
        {readRequest('1', 0x1000, 0x100F), "type 01 outside the configuration block"},
        {readRequest('7', 0x0F00, 0x0F0F), "type 07 outside the status block"},
        {readRequest('9', 0x1010, 0x1000), "range ends before it starts"},
        {withChecksum(":060000091000100F0000") + "\r\n", "six data bytes"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(exchange(c.request), c.request + "R\r\n") << c.why;
    }
}

TEST_F(SimReceiverTest, WriteStoresBytesInTheRecordMemoryOnly)
{
    const std::string data(64, 'A');
    const std::string write = withChecksum(":20100000" + data);
    EXPECT_EQ(exchange(write), write + "K\r\n");
    EXPECT_EQ(memory().hex(0x1000, 32), data);

    const std::string tail = withChecksum(":032FFD00123456");
    EXPECT_EQ(exchange(tail), tail + "K\r\n");
    EXPECT_EQ(memory().hex(0x2FFD, 3), "123456");

    for (const std::string& refused : {withChecksum(":02000000AAAA"), withChecksum(":022FFF00AAAA"),
                                       withChecksum(":210FFF00" + std::string(66, '0'))}) {
        EXPECT_EQ(exchange(refused), refused + "R\r\n") << refused;
    }
    EXPECT_EQ(memory().hex(0x0F00, 2), "1000");
}

TEST_F(SimReceiverTest, WriteOverBytesThatAreNotErasedIsRefused)
{
    const std::string first = withChecksum(":021000000F0F");
    EXPECT_EQ(exchange(first), first + "K\r\n");
    // Clearing more bits works without an erase; setting one again does not.
    const std::string clearing = withChecksum(":021000000300");
    EXPECT_EQ(exchange(clearing), clearing + "K\r\n");
    EXPECT_EQ(memory().hex(0x1000, 2), "0300");
    const std::string setting = withChecksum(":02100000F000");
    EXPECT_EQ(exchange(setting), setting + "R\r\n");
    EXPECT_EQ(memory().hex(0x1000, 2), "0300");
}

TEST_F(SimReceiverTest, EraseRecordWithTheDocumentedChecksumIsEchoedExactly)
{
    // The erase record for 0F00 carries the checksum E9; 0F00 is not record memory, so refused.
    const std::string record = ":03000004010F00E9";
    ASSERT_EQ(link::Checksum(":03000004010F00"), "E9");
    EXPECT_EQ(exchange(record), record + "R\r\n");
}

TEST_F(SimReceiverTest, EraseClearsOneEraseBlockOfTheConfiguredSize)
{
    for (unsigned block : {2048u, 256u}) {
        m_model.eraseBlock = block;
        m_receiver.reset();
        memory().set(0x1000, 0x00);
        memory().set(0x1000 + block - 1, 0x00);
        memory().set(0x1000 + block, 0x00);
        const std::string erase = withChecksum(":03000004011000");
        EXPECT_EQ(exchange(erase), erase + "K\r\n");
        EXPECT_EQ(memory().at(0x1000), 0xFF) << block;
        EXPECT_EQ(memory().at(0x1000 + block - 1), 0xFF) << block;
        EXPECT_EQ(memory().at(0x1000 + block), 0x00) << block;
    }
}

TEST_F(SimReceiverTest, PasswordWriteGoesToThePasswordBlockOnly)
{
    const std::string data = "58595A" + std::string(26, '0');
    const std::string write = withChecksum(":100F200A" + data);
    EXPECT_EQ(exchange(write), write + "K\r\n");
    EXPECT_EQ(memory().hex(0x0F20, 16), data);
    const std::string elsewhere = withChecksum(":100F100A" + data);
    EXPECT_EQ(exchange(elsewhere), elsewhere + "R\r\n");
}

TEST_F(SimReceiverEightRelayTest, RelayRecordsSwitchAndReportTheRelays)
{
    const std::string on = ":0600000B050100001000D9";
    ASSERT_EQ(link::Checksum(":0600000B050100001000"), "D9");
    EXPECT_EQ(exchange(on), on + "K\r\nO\x05");

    const std::string pulse = ":0600000B0203000F1000CB";
    ASSERT_EQ(link::Checksum(":0600000B0203000F1000"), "CB");
    EXPECT_EQ(exchange(pulse, 100ms), pulse + "K\r\nO\x07");
    EXPECT_EQ(receiver().statusBlock().substr(22, 2), "07");

    // The pulse of 15 tenths ends 1.5 s after the command.
    receiver().tick(m_t0 + 1599ms);
    EXPECT_EQ(receiver().takeOutput(), "");
    ASSERT_TRUE(receiver().nextDeadline());
    receiver().tick(m_t0 + 1600ms);
    EXPECT_EQ(receiver().takeOutput(), "O\x05");
    EXPECT_EQ(receiver().statusBlock().substr(22, 2), "05");
    EXPECT_FALSE(receiver().nextDeadline());

    const std::string off = withChecksum(":0600000B040200001000");
    EXPECT_EQ(exchange(off, 2s), off + "K\r\nO\x01");
}

TEST_F(SimReceiverTest, RefusesRelayCommandsTheReceiverCannotCarryOut)
{
    for (const char* body : {
             ":0600000B020100001000", // relay 2 on a one-relay model
             ":0600000B000100001000", // no relay
             ":0600000B010400001000", // no such operation
             ":0600000B010100051000", // a time for switching on
             ":0600000B010300001000", // a pulse of no time
             ":0600000B010100001100", // byte 5 is always 10
         }) {
        const std::string record = withChecksum(body);
        EXPECT_EQ(exchange(record), record + "R\r\n") << body;
    }
    EXPECT_EQ(receiver().relays(), 0u);
}

TEST_F(SimReceiverTest, PlainVariantLineEndAfterARelayRecordIsIgnored)
{
    const std::string record = withChecksum(":0600000B010100001000");
    EXPECT_EQ(exchange(record + "\r\n"), record + "K\r\nO\x01");
    EXPECT_EQ(exchange("U"), "U");
}

TEST_F(SimReceiverTest, UnknownTypeIsRefused)
{
    const std::string record = withChecksum(":00000002");
    EXPECT_EQ(exchange(record), record + "R\r\n");
}

TEST_F(SimReceiverTest, ABrokenRecordIsAnsweredWithXAndTheNextOneWorks)
{
    EXPECT_EQ(exchange(":0300U"), ":0300X\r\nU");
    const std::string erase = withChecksum(":03000004011000");
    EXPECT_EQ(exchange(erase), erase + "K\r\n");
    // Lower-case digits are not the program's; the receiver does not take them.
    EXPECT_EQ(exchange(":03000004011a"), ":03000004011X\r\n");
}

TEST_F(SimReceiverTest, ARecordWhoseCharactersStopIsForgotten)
{
    EXPECT_EQ(exchange(":0300", 0ms), ":0300");
    const std::string erase = withChecksum(":03000004011000");
    EXPECT_EQ(exchange(erase, 2s), erase + "K\r\n");
}

// Button, code, unused, temperature, battery, slot, relays, unused.
std::string statusOf(const std::string& button, const std::string& code, const std::string& raw,
                     const std::string& battery, const std::string& slot)
{
    return button + code + "0000" + raw + battery + slot + "00" + "00000000";
}

TEST_F(SimReceiverTest, EventWritesTheStatusBlockAndReportsIt)
{
    // Slot 2 holds the transmitter whose serial digits are 12AB4.
    ASSERT_TRUE(memory().setHex(0x1000 + 2 * 12, "12AB4" + std::string(19, '0')));
    const struct
    {
        std::string command;
        std::string status;
        std::string report;
    } cases[] = {
        {"press 0212AB4 2", statusOf("2", "0212AB4", "0000", "00", "0002"), "U20212AB40"},
        {"lowbatt 0212AB4 8 R", statusOf("8", "0212AB4", "0000", "01", "0002"), "R"},
        {"press 0299999 1", statusOf("1", "0299999", "0000", "00", "FFFF"), "U102999990"},
        {"input A0000F2 9", statusOf("9", "A0000F2", "0000", "00", "FFFF"), "U9A0000F20"},
        {"temp B000001 5118", statusOf("0", "B000001", "5118", "00", "FFFF"), "U0B0000010"},
    };
    for (const auto& c : cases) {
        SimEvent event;
        std::string error;
        ASSERT_TRUE(parseEvent(c.command, 'U', event, error)) << error;
        receiver().inject(event);
        EXPECT_EQ(receiver().takeOutput(), c.report) << c.command;
        ASSERT_EQ(c.status.size(), 32u);
        EXPECT_EQ(receiver().statusBlock(), c.status) << c.command;
    }
}

TEST_F(SimReceiverTest, StatusReadAfterAnEventShowsIt)
{
    SimEvent event;
    std::string error;
    ASSERT_TRUE(parseEvent("press 0354321 4", 'U', event, error));
    receiver().inject(event);
    static_cast<void>(receiver().takeOutput());
    const std::string request = readRequest('7', 0x0F40, 0x0F4F);
    const std::string reply = exchange(request).substr(request.size());
    EXPECT_EQ(reply.substr(5, 32), receiver().statusBlock());
    EXPECT_EQ(reply.substr(6, 7), "0354321");
}

TEST_F(SimReceiverTest, EventDuringARecordWaitsUntilTheRecordIsAnswered)
{
    const std::string request = readRequest('9', 0x1000, 0x100F);
    EXPECT_EQ(exchange(request.substr(0, 10)), request.substr(0, 10));
    SimEvent event;
    std::string error;
    ASSERT_TRUE(parseEvent("press 0212AB4 2", 'U', event, error));
    receiver().inject(event);
    EXPECT_EQ(receiver().takeOutput(), "");
    const std::string rest = exchange(request.substr(10));
    EXPECT_TRUE(rest.ends_with(">U20212AB40")) << rest;
}

TEST(SimEventTest, RejectsCodesTheStatusBlockCannotHold)
{
    const char* const bad[] = {
        "press X212AB4 2", "press 0212AB 2",    "press 0212AB4 10",  "input 0000F2 9", "input 10000F2 9",
        "temp B000001 51", "temp 0000001 5118", "press 0212AB4 2 Q", "wave 0212AB4 2", "press A000001 1",
    };
    for (const char* line : bad) {
        SimEvent event;
        std::string error;
        EXPECT_FALSE(parseEvent(line, 'U', event, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

} // namespace
} // namespace vorbix::rxsim
