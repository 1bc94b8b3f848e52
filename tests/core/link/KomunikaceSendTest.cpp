#include "LinkFixture.h"

#include "core/link/Checksum.h"

#include <algorithm>

using namespace vorbix::link;
using namespace vorbix::link::test;

namespace {

const std::string kWrite = ":10"
                           "0F20"
                           "0A"
                           "41424344000000000000000000000000"; // password
const std::string kRelay = ":0600000B"
                           "050100001000";
const std::string kWrite32 = ":02"
                             "0100"
                             "00"
                             "FFFF";

std::string withChecksum(const std::string& record)
{
    return record + Checksum(record);
}

struct SentCase
{
    const char* name;
    std::string record;
    bool lineEnd;
};

} // namespace

using LinkSendTest = LinkFixture;

TEST_F(LinkSendTest, PlainSerialWakesTheReceiverThenSendsRecordChecksumAndLineEnd)
{
    const SentCase cases[] = {
        {"read", kStatusRead, true}, {"password", kWrite, false}, {"erase", kErase, false},
        {"relay", kRelay, true},     {"write", kWrite32, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        transport = nullptr;
        link.Zavri();
        receiver = FakeReceiver();
        open(0);
        ASSERT_TRUE(link.PosliPrikaz(c.record));
        EXPECT_EQ(link.LastError(), 0);
        ASSERT_EQ(transport->blocks.size(), 2u);
        EXPECT_EQ(transport->blocks[0], "U");
        EXPECT_EQ(transport->blocks[1], withChecksum(c.record) + (c.lineEnd ? "\r\n" : ""));
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(LinkSendTest, EraseRecordCarriesChecksumE9)
{
    open(0);
    ASSERT_TRUE(link.PosliPrikaz(kErase));
    EXPECT_EQ(transport->blocks.back(), ":03000004010F00E9");
}

// The echo check consumes exactly the characters that belong to the command, so what the
// receiver sends next is read whole: 4 extra characters after a read request (checksum, CR LF),
// 5 after a write (checksum, status, CR LF) on plain serial; 0 and 3 beyond the sent text on the
// dump and TCP variants.
TEST_F(LinkSendTest, EchoCheckTakesExactlyTheExpectedExtraCharacters)
{
    struct Case
    {
        int type;
        bool dump;
    } variants[] = {{0, false}, {0, true}, {1, false}};
    for (const auto& v : variants) {
        SCOPED_TRACE(std::to_string(v.type) + (v.dump ? " dump" : ""));
        transport = nullptr;
        link.Zavri();
        receiver = FakeReceiver();
        open(v.type, v.dump);

        ASSERT_TRUE(link.PosliPrikaz(kStatusRead));
        std::string reply;
        ASSERT_TRUE(link.PrijemDat(2 * 16 + 8, reply));
        EXPECT_EQ(reply.substr(0, 5), "0100 ");
        EXPECT_EQ(reply.substr(5 + 32, 2), "\r\n");

        ASSERT_TRUE(link.PosliPrikaz(kWrite));
        char left = 0;
        EXPECT_FALSE(link.JeEcho(left)) << "left over: " << int(left);
    }
}

TEST_F(LinkSendTest, RelayRecordGetsLineEndOnlyOnPlainSerial)
{
    open(0, true);
    ASSERT_TRUE(link.PosliPrikaz(kRelay));
    EXPECT_EQ(transport->blocks, (std::vector<std::string>{"UUU", withChecksum(kRelay)}));

    transport = nullptr;
    link.Zavri();
    open(1);
    ASSERT_TRUE(link.PosliPrikaz(kRelay));
    EXPECT_EQ(transport->blocks, (std::vector<std::string>{"UUU" + withChecksum(kRelay)}));
}

TEST_F(LinkSendTest, FramedModeWrapsTheWholeMessageInOnePassThroughFrame)
{
    open(1, false, 5000);
    ASSERT_TRUE(link.PosliPrikaz(kStatusRead));
    const std::string message = "UUU" + withChecksum(kStatusRead) + "\r\n";
    const auto n = static_cast<char>(message.size());
    const std::string header{static_cast<char>(message.size() + 5), '\0', '\x06', '\0', n};
    ASSERT_EQ(transport->blocks.size(), 1u);
    EXPECT_EQ(transport->blocks[0], header + message);
}

TEST_F(LinkSendTest, PlainWakeUpSendsUThenTripleUWithResyncBeforeTheFifthTry)
{
    receiver.answerWakeUp = false;
    open(0);
    EXPECT_FALSE(link.PosliPrikaz(kErase));
    EXPECT_EQ(link.LastError(), 1);
    EXPECT_TRUE(receiver.records.empty());
    const std::string oneAttempt = "U"
                                   "U"
                                   "UUU"
                                   "UUU"
                                   "\xAA\xAA\xAA"
                                   "UUU"
                                   "UUU"
                                   "UUU"
                                   "UUU"
                                   "UUU";
    EXPECT_EQ(receiver.received, oneAttempt + oneAttempt + oneAttempt);
}

TEST_F(LinkSendTest, PlainWakeUpEndsAtTheFirstAnswer)
{
    struct Case
    {
        int ignored;
        int resyncBytes;
    } cases[] = {{0, 0}, {4, 0}, {11, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ignored);
        transport = nullptr;
        link.Zavri();
        receiver = FakeReceiver();
        receiver.wakeUpsToIgnore = c.ignored;
        open(0);
        EXPECT_TRUE(link.PosliPrikaz(kErase));
        EXPECT_EQ(receiver.resyncBytes, c.resyncBytes);
        EXPECT_EQ(receiver.records.size(), 1u);
    }
}

// Each failure, each variant: the code, how many times the record went out, and the resync bytes.
TEST_F(LinkSendTest, FailuresGiveTheirCodeAfterTheVariantsAttempts)
{
    struct Case
    {
        const char* name;
        int type;
        bool dump;
        char fault;         // armed for every attempt; '.' for none
        const char* status; // status text for every attempt; nullptr for the default
        std::string record;
        int code;
        std::size_t attempts;
        int resyncBytes;
    } cases[] = {
        {"plain no echo", 0, false, 'S', nullptr, kErase, 1, 3, 0},
        {"plain cut echo", 0, false, 'T', nullptr, kErase, 2, 3, 0},
        {"plain wrong echo", 0, false, 'C', nullptr, kErase, 3, 3, 0},
        {"plain X", 0, false, '.', "X", kErase, 4, 3, 0},
        {"plain R", 0, false, '.', "R", kErase, 5, 3, 0},
        {"dump no echo", 0, true, 'S', nullptr, kErase, 1, 8, 3},
        {"dump cut echo", 0, true, 'T', nullptr, kErase, 2, 8, 3},
        {"dump wrong echo", 0, true, 'C', nullptr, kErase, 3, 8, 3},
        {"dump X", 0, true, '.', "X", kErase, 4, 8, 3},
        {"tcp no echo", 1, false, 'S', nullptr, kErase, 1, 2, 0},
        {"tcp cut echo", 1, false, 'T', nullptr, kErase, 2, 2, 0},
        {"tcp wrong echo", 1, false, 'C', nullptr, kErase, 3, 2, 0},
        {"tcp X", 1, false, '.', "X", kErase, 4, 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        transport = nullptr;
        link.Zavri();
        receiver = FakeReceiver();
        for (int i = 0; i < 8; ++i) {
            receiver.faults.push_back(c.fault);
            if (c.status != nullptr) {
                receiver.statuses.push_back(c.status);
            }
        }
        open(c.type, c.dump);
        EXPECT_FALSE(link.PosliPrikaz(c.record));
        EXPECT_EQ(link.LastError(), c.code);
        EXPECT_EQ(receiver.records.size(), c.attempts);
        EXPECT_EQ(receiver.resyncBytes, c.resyncBytes);
        if (c.resyncBytes > 0) {
            // The dump variant resynchronises once, between the third and the fourth attempt.
            const auto resync = receiver.received.find('\xAA');
            EXPECT_EQ(std::count(receiver.received.begin(), receiver.received.begin() + resync, ':'), 3);
        }
    }
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(LinkSendTest, OneFailedAttemptIsRetriedAfterAPause)
{
    for (int type : {0, 1}) {
        SCOPED_TRACE(type);
        transport = nullptr;
        link.Zavri();
        receiver = FakeReceiver();
        receiver.faults = {'C'};
        open(type);
        const auto start = clock.now();
        EXPECT_TRUE(link.PosliPrikaz(kErase));
        EXPECT_EQ(link.LastError(), 0);
        EXPECT_EQ(receiver.records.size(), 2u);
        EXPECT_GE(elapsedSince(start), std::chrono::milliseconds(200));
    }
}

// 'R' right after the echo refuses the command on plain serial; the other variants skip it
// like a wake-up answer and take the next character as the status.
TEST_F(LinkSendTest, RefusalCharacterRIsSkippedOutsidePlainSerial)
{
    struct Case
    {
        int type;
        bool dump;
    } cases[] = {{0, false}, {0, true}, {1, false}};
    for (const auto& c : cases) {
        transport = nullptr;
        link.Zavri();
        receiver = FakeReceiver();
        receiver.statuses = {"RK", "RK", "RK"};
        open(c.type, c.dump);
        const bool sent = link.PosliPrikaz(kErase);
        if (c.type == 0 && !c.dump) {
            EXPECT_FALSE(sent);
            EXPECT_EQ(link.LastError(), 5);
            EXPECT_EQ(receiver.records.size(), 3u);
        } else {
            EXPECT_TRUE(sent);
            EXPECT_EQ(receiver.records.size(), 1u);
        }
    }
}

TEST_F(LinkSendTest, CancelEndsTheWaitAtOnceWithCodeZero)
{
    struct Case
    {
        int type;
        bool dump;
    } cases[] = {{0, false}, {0, true}, {1, false}};
    for (const auto& c : cases) {
        transport = nullptr;
        link.Zavri();
        link.CancelRequested = false;
        receiver = FakeReceiver();
        receiver.answerWakeUp = false;
        receiver.faults = {'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S'};
        open(c.type, c.dump);
        link.setPump([this] { link.CancelRequested = true; });
        const auto start = clock.now();
        EXPECT_FALSE(link.PosliPrikaz(kErase));
        EXPECT_EQ(link.LastError(), 0);
        EXPECT_LE(receiver.records.size(), 1u);
        EXPECT_LT(elapsedSince(start), std::chrono::milliseconds(100));
        link.setPump({});
    }
}

TEST_F(LinkSendTest, SendingOnAClosedLinkShowsText121)
{
    for (int type : {0, 1}) {
        for (bool dump : {false, true}) {
            errors.clear();
            link.Settings.ConnectionType = static_cast<ConnectionKind>(type);
            link.Settings.DumpRead = dump;
            EXPECT_FALSE(link.PosliPrikaz(kErase));
            EXPECT_EQ(errors, std::vector<std::string>{"text 121"});
        }
    }
}

TEST_F(LinkSendTest, UnknownConnectionTypeSendsNothing)
{
    open(0);
    link.Settings.ConnectionType = static_cast<ConnectionKind>(2); // a number no kind has
    EXPECT_FALSE(link.PosliPrikaz(kErase));
    EXPECT_TRUE(transport->blocks.empty());
}
