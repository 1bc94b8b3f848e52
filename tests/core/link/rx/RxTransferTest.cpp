#include "RxSimFixture.h"

#include "core/link/Checksum.h"

namespace vorbix::link::test {
namespace {

// Every test here runs on each of the four lines.
class RxTransferTest : public RxSimFixture, public ::testing::WithParamInterface<Line>
{
};

std::string textHex(const std::string& text)
{
    std::string hex;
    for (char c : text) {
        hex += HexByte(static_cast<unsigned char>(c));
    }
    return hex;
}

TEST_P(RxTransferTest, LoginIdentifiesTheReceiver)
{
    start(GetParam(), "10FF", {"--fill", "3"});
    ASSERT_TRUE(rx.Init()) << ::testing::PrintToString(errors);
    const model::TDevice& device = rx.Device();
    EXPECT_EQ(device.Model, "KV2MIN-S");
    EXPECT_EQ(device.Description, "Receiver 2 relays, compact memory");
    EXPECT_EQ(device.MemStart, 0x1000);
    EXPECT_EQ(device.MemEnd, 0x10FF);
    EXPECT_EQ(device.NameAddr, 0x0F10);
    EXPECT_EQ(device.PassAddr, 0x0F20);
    EXPECT_EQ(device.StatusAddr, 0x0F40);
    EXPECT_EQ(device.RecordCount, 32);
    EXPECT_EQ(device.EraseBlock, 256);
    // The simulator's password block is erased: it reads as no password.
    EXPECT_EQ(device.Password, "");
    EXPECT_TRUE(rx.OverHeslo());
    EXPECT_TRUE(errors.empty()) << ::testing::PrintToString(errors);
}

TEST_P(RxTransferTest, DownloadEqualsTheReceiverMemory)
{
    start(GetParam(), "10FF", {"--fill", "32", "--seed", "5"});
    ASSERT_TRUE(rx.Init());
    ASSERT_TRUE(rx.DownloadMemory()) << ::testing::PrintToString(errors);
    EXPECT_EQ(memory.MemoryImage, simMemory(0x1000, 0x10FF));
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end())) << ::testing::PrintToString(progress);
}

TEST_P(RxTransferTest, DownloadCoversAMemoryThatIsNotWholeLines)
{
    // 264 bytes, no less than the model's erase block: 33 records, the last line holds 8 bytes.
    start(GetParam(), "1107", {"--fill", "5", "--seed", "8"});
    ASSERT_TRUE(rx.Init()) << ::testing::PrintToString(errors);
    ASSERT_TRUE(rx.DownloadMemory()) << ::testing::PrintToString(errors);
    const std::string expected = simMemory(0x1000, 0x1107);
    ASSERT_EQ(expected.size(), 528u);
    EXPECT_EQ(memory.MemoryImage, expected) << "the byte at MemEnd included, nothing beyond it";
}

TEST_P(RxTransferTest, UploadThenDownloadGiveTheSameMemory)
{
    start(GetParam(), "11FF", {"--fill", "4"});
    ASSERT_TRUE(rx.Init());
    memory.UploadImage = recordsImage(64, 3);
    memory.Device.UsedCount = 64;
    ASSERT_TRUE(rx.UploadMemory()) << ::testing::PrintToString(errors);
    EXPECT_EQ(simMemory(0x1000, 0x11FF), memory.UploadImage);
    progress.clear();
    ASSERT_TRUE(rx.DownloadMemory()) << ::testing::PrintToString(errors);
    EXPECT_EQ(memory.MemoryImage, memory.UploadImage);
    EXPECT_TRUE(errors.empty()) << ::testing::PrintToString(errors);
}

TEST_P(RxTransferTest, PasswordIsWrittenAndReadAtTheNextLogin)
{
    start(GetParam(), "10FF");
    ASSERT_TRUE(rx.Init());
    const std::string sixteen = "Secret-16-chars!";
    ASSERT_TRUE(rx.PisPass(sixteen)) << ::testing::PrintToString(errors);
    EXPECT_EQ(rx.Device().Password, sixteen);
    EXPECT_EQ(simMemory(0x0F20, 0x0F2F), textHex(sixteen)) << "sixteen characters fill the block, no 0 filling";

    // A fresh login, as after a restart of the program.
    rx.DeInit();
    model::ReceiverMemory other;
    TRx again(link, other, texts, VORBIX_DATA_DIR);
    again.setErrorSink([this](const std::string& message) { errors.push_back(message); });
    ASSERT_TRUE(again.Init());
    EXPECT_EQ(again.Device().Password, sixteen);

    const int writesBefore = logCount("password block");
    EXPECT_FALSE(again.PisPass(sixteen + "X"));
    EXPECT_EQ(errors, std::vector<std::string>{"text 100"});
    EXPECT_EQ(logCount("password block"), writesBefore) << "nothing is sent for a password of 17 characters";

    ASSERT_TRUE(again.PisPass("ab"));
    EXPECT_EQ(simMemory(0x0F20, 0x0F2F), "6162" + std::string(28, '0'));
    // The first object still believes in the old password.
    EXPECT_FALSE(rx.OverHeslo());
    EXPECT_EQ(errors.back(), "text 92");
}

// One flash page holds the whole record memory: 96 records of 16 bytes (1536 bytes) under the
// erase block of 2048 that "Rx.def" gives KV1MOD-T.
TEST_P(RxTransferTest, AMemorySmallerThanItsEraseBlockServesEveryOperation)
{
    modelArgs = {"--folder", VORBIX_DATA_DIR, "--model", "KV1MOD-T", "--mem-start", "1000"};
    start(GetParam(), "15FF", {"--fill", "20", "--seed", "6"});
    ASSERT_TRUE(rx.Init()) << ::testing::PrintToString(errors);
    EXPECT_EQ(rx.Device().RecordCount, 96);
    EXPECT_EQ(rx.Device().EraseBlock, 2048);
    ASSERT_TRUE(rx.DownloadMemory()) << ::testing::PrintToString(errors);
    EXPECT_EQ(memory.MemoryImage, simMemory(0x1000, 0x15FF));

    memory.UploadImage = recordsImage(2 * 96, 11);
    memory.Device.UsedCount = 96;
    progress.clear();
    ASSERT_TRUE(rx.UploadMemory()) << ::testing::PrintToString(errors);
    EXPECT_EQ(logCount("erased "), 1) << "one block covers the memory";
    EXPECT_EQ(logCount("erased 1000-15FF"), 1);
    EXPECT_EQ(progress.front(), 5) << "the erase phase ends at 5 %";
    EXPECT_EQ(simMemory(0x1000, 0x15FF), memory.UploadImage);
    ASSERT_TRUE(rx.DownloadMemory()) << ::testing::PrintToString(errors);
    EXPECT_EQ(memory.MemoryImage, memory.UploadImage);

    ASSERT_TRUE(rx.PisPass("Page")) << ::testing::PrintToString(errors);
    EXPECT_EQ(simMemory(0x0F20, 0x0F2F), textHex("Page") + std::string(24, '0'));
    EXPECT_TRUE(rx.OverHeslo());
    EXPECT_TRUE(errors.empty()) << ::testing::PrintToString(errors);
}

TEST_P(RxTransferTest, CancelEndsADownloadAtOnce)
{
    start(GetParam(), "10FF", {"--fill", "32"});
    ASSERT_TRUE(rx.Init());
    const int readsBefore = logCount("checksum ok: read") + logCount("checksum ok: dump");
    rx.setProgressSink([this](int percent) {
        progress.push_back(percent);
        link.CancelRequested = true;
    });
    EXPECT_FALSE(rx.DownloadMemory());
    EXPECT_TRUE(errors.empty()) << "a cancel needs no message: " << ::testing::PrintToString(errors);
    EXPECT_EQ(progress.size(), 1u);
    EXPECT_EQ(logCount("checksum ok: read") + logCount("checksum ok: dump"), readsBefore + 1)
        << "no request after the cancel";
}

TEST_P(RxTransferTest, RecordEndsAndRefusalsAsTheReceiverSeesThem)
{
    start(GetParam(), "10FF");
    ASSERT_TRUE(rx.Init());
    std::string status;
    // A status read (type 7) ends with CR LF, which the receiver waits for before it answers.
    EXPECT_TRUE(rx.ReadBlock('7', 0x0F40, 16, status));
    // A relay command (type B) is accepted with or without the line end.
    EXPECT_TRUE(link.PosliPrikaz(":0600000B010100001000"));
    EXPECT_EQ(logCount("relays 01 on"), 1);

    // An erase outside the record memory is refused with 'R': code 5 on the plain line; elsewhere
    // the 'R' is skipped and the status that should follow never comes (code 2).
    setCharTimeout(std::chrono::milliseconds(100));
    EXPECT_FALSE(link.PosliPrikaz(":03000004010F00"));
    const Line line = GetParam();
    EXPECT_EQ(link.LastError(), line == Line::PlainPty ? 5 : 2);
    const int attempts = line == Line::PlainPty ? 3 : line == Line::DumpPty ? 8 : 2;
    EXPECT_EQ(logCount("record :03000004010F00E9 checksum ok"), attempts);
}

INSTANTIATE_TEST_SUITE_P(Lines, RxTransferTest,
                         ::testing::Values(Line::PlainPty, Line::DumpPty, Line::TcpRaw, Line::TcpFramed),
                         [](const ::testing::TestParamInfo<Line>& l) { return lineName(l.param); });

} // namespace
} // namespace vorbix::link::test
