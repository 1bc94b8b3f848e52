#include "RxSimFixture.h"

namespace vorbix::link::test {
namespace {

using namespace std::chrono_literals;

enum class Operation
{
    Download,
    Upload,
};

struct FaultCase
{
    const char* name;
    Line line;
    std::vector<std::string> fault;
    Operation operation;
    std::chrono::milliseconds charTimeout;
    bool succeeds;
    std::set<int> codes; // LastError codes of the failed attempts
    std::string retried; // a log entry the retry repeats ...
    int retriedCount;    // ... this many times
};

void PrintTo(const FaultCase& c, std::ostream* out)
{
    *out << c.name;
}

class RxFaultTest : public RxSimFixture, public ::testing::WithParamInterface<FaultCase>
{
};

TEST_P(RxFaultTest, FaultIsRetriedOrReported)
{
    const FaultCase& c = GetParam();
    std::vector<std::string> args = c.fault;
    args.insert(args.end(), {"--fill", "32"});
    start(c.line, "10FF", args);
    ASSERT_TRUE(rx.Init()) << ::testing::PrintToString(errors);
    setCharTimeout(c.charTimeout);
    bool result = false;
    if (c.operation == Operation::Download) {
        result = rx.DownloadMemory();
    } else {
        memory.UploadImage = recordsImage(32, 9);
        memory.Device.UsedCount = 32;
        result = rx.UploadMemory();
    }
    EXPECT_EQ(result, c.succeeds);
    EXPECT_EQ(codesSeen, c.codes);
    if (c.succeeds) {
        EXPECT_TRUE(errors.empty()) << ::testing::PrintToString(errors);
        const std::string expected = c.operation == Operation::Download ? memory.MemoryImage : memory.UploadImage;
        EXPECT_EQ(simMemory(0x1000, 0x10FF), expected);
    } else {
        ASSERT_FALSE(errors.empty());
        EXPECT_EQ(errors.back(), c.operation == Operation::Download ? "text 110 text 118" : "text 110 text 114");
    }
    if (!c.retried.empty()) {
        EXPECT_EQ(logCount(c.retried), c.retriedCount) << simLog();
    }
}

// Login takes the first three records (configuration, name and password reads).
INSTANTIATE_TEST_SUITE_P(
    Faults, RxFaultTest,
    ::testing::Values(
        // 1: no answer to the wake-up / no ':'; the receiver stays silent, so the download fails.
        FaultCase{"SilencePlain", Line::PlainPty, {"--fault-stall", "3"}, Operation::Download, 20ms, false, {1}, "", 0},
        FaultCase{"SilenceDump", Line::DumpPty, {"--fault-stall", "3"}, Operation::Download, 20ms, false, {1}, "", 0},
        FaultCase{"SilenceTcp", Line::TcpRaw, {"--fault-stall", "3"}, Operation::Download, 20ms, false, {1}, "", 0},
        FaultCase{"SilenceUpload", Line::TcpRaw, {"--fault-stall", "3"}, Operation::Upload, 20ms, false, {1}, "", 0},
        // 2: the 'R' is skipped over TCP and the status that should follow never comes.
        FaultCase{"RefusalTcp",
                  Line::TcpRaw,
                  {"--fault-refuse", "1"},
                  Operation::Upload,
                  300ms,
                  true,
                  {2},
                  "erased 1000-10FF",
                  1},
        // 3: a wrong echo; the record is sent again.
        FaultCase{"EchoPlain",
                  Line::PlainPty,
                  {"--fault-echo", "5"},
                  Operation::Download,
                  500ms,
                  true,
                  {3},
                  "read 1010-101F",
                  2},
        FaultCase{
            "EchoTcp", Line::TcpRaw, {"--fault-echo", "4"}, Operation::Upload, 500ms, true, {3}, "erased 1000-10FF", 2},
        // 4: 'X' after the echo of a write (after a read request it stands where the echoed CR
        // should, which is a wrong echo).
        FaultCase{"ChecksumDump",
                  Line::DumpPty,
                  {"--fault-checksum", "4"},
                  Operation::Upload,
                  500ms,
                  true,
                  {4},
                  "erased 1000-10FF",
                  1},
        FaultCase{"ChecksumPlain",
                  Line::PlainPty,
                  {"--fault-checksum", "5"},
                  Operation::Upload,
                  500ms,
                  true,
                  {4},
                  "wrote 1000-101F",
                  1},
        // 5: 'R' after the echo on the plain line.
        FaultCase{"RefusalPlain",
                  Line::PlainPty,
                  {"--fault-refuse", "2"},
                  Operation::Upload,
                  500ms,
                  true,
                  {5},
                  "wrote 1000-101F",
                  1},
        // A lost reply character: the read is repeated by the receiver object.
        FaultCase{"LostReplyCharacter",
                  Line::PlainPty,
                  {"--fault-drop", "5"},
                  Operation::Download,
                  200ms,
                  true,
                  {},
                  "read 1010-101F",
                  2},
        // The gateway drops the connection in the middle of a read: the echo stops (2), the second
        // attempt gets nothing (1), and the download ends at once with its message.
        FaultCase{"DroppedConnection",
                  Line::TcpRaw,
                  {"--fault-close", "150"},
                  Operation::Download,
                  500ms,
                  false,
                  {1, 2},
                  "",
                  0}),
    [](const ::testing::TestParamInfo<FaultCase>& c) { return std::string(c.param.name); });

using RxIdentifyFaultTest = RxSimFixture;

TEST_F(RxIdentifyFaultTest, SilentReceiverFailsTheLogin)
{
    // The configuration read gets through, the name read does not.
    start(Line::TcpRaw, "10FF", {"--fault-stall", "1"});
    setCharTimeout(20ms);
    EXPECT_FALSE(rx.Init());
    EXPECT_EQ(errors, std::vector<std::string>{"text 110 - text 112"});
    EXPECT_EQ(link.LastError(), 1);
}

TEST_F(RxIdentifyFaultTest, SilentReceiverFailsThePasswordWrite)
{
    // Login and the check before the write take five records; the write gets no answer.
    start(Line::TcpRaw, "10FF", {"--fault-stall", "5"});
    ASSERT_TRUE(rx.Init());
    setCharTimeout(20ms);
    EXPECT_FALSE(rx.PisPass("new"));
    EXPECT_EQ(errors, std::vector<std::string>{"text 110"});
    EXPECT_EQ(rx.Device().Password, "") << "nothing else changes";
}

TEST_F(RxIdentifyFaultTest, SilentReceiverFailsTheCheckBeforeAnOperation)
{
    start(Line::TcpRaw, "10FF", {"--fault-stall", "3"});
    ASSERT_TRUE(rx.Init());
    setCharTimeout(20ms);
    EXPECT_FALSE(rx.OverHeslo());
    EXPECT_EQ(errors, std::vector<std::string>{"text 110 text 112"});
}

} // namespace
} // namespace vorbix::link::test
