#include "RxSimFixture.h"

#include <numeric>

namespace vorbix::link::test {
namespace {

using RxEdgeTest = RxSimFixture;

// Reads of the record memory (from 1000 on) and dump requests, as the simulator logged them.
int memoryReads(const RxSimFixture& f)
{
    return f.logCount("checksum ok: read 1") + f.logCount("checksum ok: dump");
}

TEST_F(RxEdgeTest, ErasedFirstRecordDownloadsWithOneReadAndFillsToMemEnd)
{
    start(Line::PlainPty, "10FF");
    ASSERT_TRUE(rx.Init());
    ASSERT_TRUE(rx.DownloadMemory()) << ::testing::PrintToString(errors);
    EXPECT_EQ(memory.MemoryImage, std::string(2 * 256, 'F'));
    EXPECT_EQ(memoryReads(*this), 1);
    // One value per filled address, (a + 1 - MemStart) x 100 / (MemEnd - MemStart) rounded: here
    // every percentage once.
    std::vector<int> expected(101);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(progress, expected);
}

TEST_F(RxEdgeTest, ErasedRecordAfterTheUsedOnesEndsThePlainDownload)
{
    start(Line::PlainPty, "10FF", {"--fill", "5"});
    ASSERT_TRUE(rx.Init());
    ASSERT_TRUE(rx.DownloadMemory());
    EXPECT_EQ(memory.MemoryImage, simMemory(0x1000, 0x10FF));
    // Record 6 (1028-102F) is seen erased once the read from 1030 has come in.
    EXPECT_EQ(memoryReads(*this), 4);
    EXPECT_EQ(progress.front(), 6) << "16 x 100 / 255 after the first read";
}

TEST_F(RxEdgeTest, DumpLineWithAWrongAddressResumesAtTheExpectedAddress)
{
    start(Line::DumpPty, "10FF", {"--fill", "32", "--fault-dump-address", "3"});
    ASSERT_TRUE(rx.Init());
    ASSERT_TRUE(rx.DownloadMemory()) << ::testing::PrintToString(errors);
    EXPECT_EQ(memory.MemoryImage, simMemory(0x1000, 0x10FF));
    EXPECT_EQ(logCount("dump 1000-10FF"), 2) << "one request per pass from MemStart";
    EXPECT_EQ(logCount("dump 1020-10FF"), 1) << "the first pass resumed at the third line";
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(RxEdgeTest, EraseBlocksOf256CoverAnImageOf1024Characters)
{
    start(Line::TcpRaw, "11FF", {"--fill", "64"});
    ASSERT_TRUE(rx.Init());
    memory.UploadImage = recordsImage(64, 1);
    ASSERT_EQ(memory.UploadImage.size(), 1024u);
    memory.Device.UsedCount = 64;
    ASSERT_TRUE(rx.UploadMemory()) << ::testing::PrintToString(errors);
    EXPECT_EQ(logCount("erased"), 2);
    EXPECT_EQ(logCount("erased 1000-10FF"), 1);
    EXPECT_EQ(logCount("erased 1100-11FF"), 1);
    EXPECT_EQ(logCount("wrote"), 16);
    EXPECT_EQ(simMemory(0x1000, 0x11FF), memory.UploadImage);
}

TEST_F(RxEdgeTest, UsedCountZeroWritesOneRecordAndSkipsTheRest)
{
    start(Line::TcpRaw, "11FF", {"--fill", "64"});
    ASSERT_TRUE(rx.Init());
    memory.UploadImage = std::string(1024, 'F');
    memory.Device.UsedCount = 0;
    ASSERT_TRUE(rx.UploadMemory()) << ::testing::PrintToString(errors);
    EXPECT_EQ(logCount("wrote"), 1);
    EXPECT_EQ(simMemory(0x1000, 0x11FF), std::string(1024, 'F'));
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(RxEdgeTest, TailShorterThan32BytesIsWrittenLast)
{
    start(Line::TcpRaw, "10FF");
    ASSERT_TRUE(rx.Init());
    memory.UploadImage = recordsImage(9, 4); // 72 bytes: two whole write records and 8 bytes
    memory.Device.RecordCount = 9;
    memory.Device.UsedCount = 9;
    ASSERT_TRUE(rx.UploadMemory()) << ::testing::PrintToString(errors);
    EXPECT_EQ(logCount("wrote"), 3);
    EXPECT_EQ(logCount("wrote 1040-1047"), 1);
    EXPECT_EQ(simMemory(0x1000, 0x1047), memory.UploadImage);
}

TEST_F(RxEdgeTest, DamagedImageIsRefusedBeforeAnythingIsSent)
{
    start(Line::TcpRaw, "10FF", {"--fill", "20"});
    ASSERT_TRUE(rx.Init());
    const std::string before = simMemory(0x1000, 0x10FF);
    const model::TDevice loggedIn = memory.Device;
    const std::string good = recordsImage(32, 5);
    auto replaced = [&](std::size_t at, char c) {
        std::string image = good;
        image[at] = c;
        return image;
    };
    struct Case
    {
        const char* what;
        std::string image;
        int usedCount;
        int eraseBlock;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {"lower-case digit", replaced(17, 'a'), 32, 256,
         "the memory image holds a character that is not an upper-case hexadecimal digit in slot 2"},
        {"NUL", replaced(0, '\0'), 32, 256,
         "the memory image holds a character that is not an upper-case hexadecimal digit in slot 1"},
        {"one digit short", good.substr(1), 32, 256, "the memory image holds 511 digits instead of 512 (32 records)"},
        {"one record long", good + good.substr(0, 16), 32, 256,
         "the memory image holds 528 digits instead of 512 (32 records)"},
        {"records after the used area", good, 20, 256, "slot 21 after the used area is not erased and would be lost"},
        {"used area beyond the slots", good, 33, 256, "the used area ends outside the memory slots"},
        {"no erase block", good, 32, 0, "the erase block of KV2MIN-S is 0 bytes"},
        {"erase block beyond the memory", good, 32, 2147483647, "the erase block of KV2MIN-S is 2147483647 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        errors.clear();
        memory.Device = loggedIn;
        memory.Device.UsedCount = c.usedCount;
        memory.Device.EraseBlock = c.eraseBlock;
        memory.UploadImage = c.image;
        EXPECT_FALSE(rx.UploadMemory());
        EXPECT_EQ(errors, std::vector<std::string>{"text 82 - " + c.problem});
    }
    EXPECT_EQ(logCount("erased") + logCount("wrote"), 0) << "no record reached the receiver";
    EXPECT_EQ(simMemory(0x1000, 0x10FF), before);
}

TEST_F(RxEdgeTest, CancelDuringAnUploadAsksAndGoesOnAfterNo)
{
    start(Line::TcpRaw, "10FF");
    ASSERT_TRUE(rx.Init());
    memory.UploadImage = recordsImage(32, 6);
    memory.Device.UsedCount = 32;
    std::vector<std::string> questions;
    rx.setCancelQuestion([&](const std::string& question) {
        questions.push_back(question);
        return false;
    });
    rx.setProgressSink([this](int percent) {
        if (progress.empty()) {
            link.CancelRequested = true;
        }
        progress.push_back(percent);
    });
    ASSERT_TRUE(rx.UploadMemory()) << ::testing::PrintToString(errors);
    EXPECT_EQ(questions, std::vector<std::string>{"text 98"});
    EXPECT_FALSE(link.CancelRequested) << "No clears the request";
    EXPECT_EQ(simMemory(0x1000, 0x10FF), memory.UploadImage);
}

TEST_F(RxEdgeTest, CancelDuringAnUploadStopsAfterYes)
{
    start(Line::TcpRaw, "10FF");
    ASSERT_TRUE(rx.Init());
    memory.UploadImage = recordsImage(32, 7);
    memory.Device.UsedCount = 32;
    int asked = 0;
    rx.setCancelQuestion([&](const std::string&) {
        ++asked;
        return true;
    });
    rx.setProgressSink([this](int) { link.CancelRequested = true; });
    EXPECT_FALSE(rx.UploadMemory());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(errors.empty()) << ::testing::PrintToString(errors);
    EXPECT_EQ(logCount("erased"), 1) << "stopped before the second record";
    EXPECT_EQ(logCount("wrote"), 0);
}

TEST_F(RxEdgeTest, ReceiverOfAModelMissingFromRxDefIsRefused)
{
    modelArgs = {"--model", "KVXNEW-Q", "--record-size", "8"};
    start(Line::TcpRaw, "10FF");
    EXPECT_FALSE(rx.Init());
    EXPECT_EQ(errors, std::vector<std::string>{"text 90"});
    EXPECT_EQ(rx.Device().Model, "") << "a failed login leaves the device as it was";
}

TEST_F(RxEdgeTest, CancelledLoginShowsNothing)
{
    start(Line::PlainPty, "10FF");
    link.CancelRequested = true;
    EXPECT_FALSE(rx.Init());
    EXPECT_TRUE(errors.empty()) << ::testing::PrintToString(errors);
    EXPECT_EQ(memoryReads(*this) + logCount("checksum ok: read"), 0) << "nothing was read";
}

TEST_F(RxEdgeTest, ReadRequestsOutsideTheAddressSpaceOrOfAnotherTypeAreRefused)
{
    std::string data;
    EXPECT_FALSE(rx.ReadBlock('9', 0x10000, 16, data));
    EXPECT_FALSE(rx.ReadBlock('9', 0xFFF8, 16, data)) << "the end address would need five digits";
    EXPECT_FALSE(rx.ReadBlock('8', 0x1000, 16, data));
    EXPECT_EQ(errors, (std::vector<std::string>{"text 122", "text 122", "text 123"}));
}

TEST(RxHexToIntTest, ConvertsUpToEightHexDigits)
{
    const struct
    {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"", true, 0},
        {"0F00", true, 0x0F00},
        {"ffff", true, 0xFFFF},
        {"7FFFFFFF", true, 0x7FFFFFFF},
        {"123456789", false, -1},
        {"12G4", false, -1},
        {" 12", false, -1},
    };
    for (const auto& c : cases) {
        int value = -1;
        EXPECT_EQ(TRx::HexToInt(c.text, value), c.ok) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

} // namespace
} // namespace vorbix::link::test
