#include "tools/rxsim/SimSetup.h"
#include "support/TempFolder.h"
#include "tools/rxsim/LinkClient.h"
#include "tools/rxsim/SimFill.h"
#include "tools/rxsim/SimProcess.h"

#include "core/link/Checksum.h"
#include "core/text/TextFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace vorbix::rxsim::test {
namespace {

using namespace std::chrono_literals;

SimModel named(const std::string& name)
{
    SimModel model;
    model.name = name;
    return model;
}

// A data file of `model` with the given records, the slot lines without comments.
std::string dataFile(const std::string& model, const std::vector<std::string>& records)
{
    std::string image;
    for (const std::string& r : records) {
        image += r;
    }
    std::vector<std::string> lines = {model, std::to_string(records.size()), image};
    for (std::size_t k = 1; k <= records.size(); ++k) {
        lines.push_back(std::to_string(k) + "   0#####");
        lines.push_back("x0 -");
    }
    return text::joinLinesCrLf(lines);
}

TEST(SimSetupTest, ModelFromTheFolderGivesRecordLayoutAndEraseBlock)
{
    const struct
    {
        const char* name;
        unsigned recordSize;
        unsigned relays;
        unsigned eraseBlock;
    } cases[] = {
        {"KV4MUL-M", 16, 4, 256},
        {"KV2MIN-S", 8, 2, 256},
        {"KV1MOD-T", 16, 1, 2048},
    };
    for (const auto& c : cases) {
        SimModel model = named(c.name);
        std::string error;
        ASSERT_TRUE(loadModelFromFolder(VORBIX_DATA_DIR, model, error)) << c.name << ": " << error;
        EXPECT_EQ(model.recordSize, c.recordSize) << c.name;
        EXPECT_EQ(model.relays, c.relays) << c.name;
        EXPECT_EQ(model.eraseBlock, c.eraseBlock) << c.name;
        EXPECT_EQ(model.emptyRecord, std::string(2 * c.recordSize, '0')) << c.name;
        EXPECT_TRUE(checkModel(model, error)) << c.name << ": " << error;
    }
}

TEST(SimSetupTest, SerialAndButtonDigitsFollowTheReadLayout)
{
    vorbix::test::TempFolder folder;
    folder.write("Rx.def", text::joinLinesCrLf({"ODDONE", "Serial at the end", "2", "00000000",
                                                "O01B01S01S02S03S04S05K01", "O01B01S01S02S03S04S05K01", "256", "#E"}));
    SimModel model = named("ODDONE");
    std::string error;
    ASSERT_TRUE(loadModelFromFolder(folder.path(), model, error)) << error;
    EXPECT_EQ(model.serialDigits, (std::array<unsigned, 5>{2, 3, 4, 5, 6}));
    EXPECT_EQ(model.buttonDigit, std::optional<unsigned>(1));
    EXPECT_EQ(model.recordSize, 4u);

    SimModel missing = named("NOSUCH");
    EXPECT_FALSE(loadModelFromFolder(folder.path(), missing, error));
    EXPECT_NE(error.find("NOSUCH"), std::string::npos) << error;
}

TEST(SimSetupTest, DataFileFillsTheMemoryFromMemStart)
{
    SimModel model = named("KV2MIN-S");
    std::string error;
    ASSERT_TRUE(loadModelFromFolder(VORBIX_DATA_DIR, model, error)) << error;
    model.memEnd = model.memStart + 8 * 4 - 1; // four slots
    vorbix::test::TempFolder folder;
    const std::string path = folder.write("two.rxd", dataFile("KV2MIN-S", {"0112345800000000", "0223456100000000"}));
    SimMemory memory(model);
    ASSERT_TRUE(loadDataFile(path, VORBIX_DATA_DIR, memory, error)) << error;
    // Slots beyond the file's are written empty, as a receiver opens a shorter file.
    EXPECT_EQ(memory.recordImage(), "0112345800000000"
                                    "0223456100000000" +
                                        std::string(32, '0'));
    EXPECT_EQ(memory.slotOfSerial("23456"), 1);
}

TEST(SimSetupTest, DataFileOfAnotherModelOrTooManySlotsIsRefused)
{
    SimModel model = named("KV2MIN-S");
    std::string error;
    ASSERT_TRUE(loadModelFromFolder(VORBIX_DATA_DIR, model, error)) << error;
    model.memEnd = model.memStart + 8 - 1; // one slot
    vorbix::test::TempFolder folder;
    const std::string other = folder.write("other.rxd", dataFile("KV4MUL-M", {std::string(32, '0')}));
    const std::string tooMany =
        folder.write("many.rxd", dataFile("KV2MIN-S", {std::string(16, '0'), std::string(16, '0')}));
    for (const std::string& path : {other, tooMany, folder.file("missing.rxd")}) {
        SimMemory memory(model);
        EXPECT_FALSE(loadDataFile(path, VORBIX_DATA_DIR, memory, error)) << path;
        EXPECT_EQ(memory.recordImage(), std::string(16, 'F')) << path;
    }
}

TEST(SimSetupTest, SavedMemoryReadsBackAsADataFile)
{
    SimModel model = named("KV2MIN-S");
    std::string error;
    ASSERT_TRUE(loadModelFromFolder(VORBIX_DATA_DIR, model, error)) << error;
    model.memEnd = model.memStart + 8 * 3 - 1;
    SimMemory memory(model);
    ASSERT_TRUE(memory.fillRandom(2, 7, error)) << error;
    vorbix::test::TempFolder folder;
    const std::string path = folder.file("saved.rxd");
    ASSERT_TRUE(saveDataFile(memory, VORBIX_DATA_DIR, path, error)) << error;
    SimMemory again(model);
    ASSERT_TRUE(loadDataFile(path, VORBIX_DATA_DIR, again, error)) << error;
    EXPECT_EQ(again.recordImage(), memory.recordImage());
}

TEST(SimSetupTest, SavedFilledMemoryKeepsTheNamesTheReceiverHolds)
{
    for (const char* name : {"KV1MOD-T", "KV8MOD-T"}) {
        SCOPED_TRACE(name);
        SimModel model = named(name);
        std::string error;
        ASSERT_TRUE(loadModelFromFolder(VORBIX_DATA_DIR, model, error)) << error;
        model.memEnd = model.memStart + 16 * 8 - 1;
        SimMemory memory(model);
        ASSERT_TRUE(fillRealistic(VORBIX_DATA_DIR, 5, 11, memory, error)) << error;
        vorbix::test::TempFolder folder;
        const std::string path = folder.file("saved.rxd");
        ASSERT_TRUE(saveDataFile(memory, VORBIX_DATA_DIR, path, error)) << error;
        std::vector<std::string> lines;
        ASSERT_TRUE(text::readLines(path, lines));
        ASSERT_EQ(lines.size(), 3u + 2 * 8);
        for (int slot = 1; slot <= 5; ++slot) {
            const std::string& line = lines[static_cast<std::size_t>(1 + 2 * slot)];
            // Line A: slot, ID 0, then User 1 as the fill named it: a place and the slot.
            EXPECT_TRUE(line.ends_with(" " + std::to_string(slot) + "####")) << line;
            EXPECT_GT(line.size(), std::string("1   0#####").size()) << line;
        }
        EXPECT_EQ(lines[1 + 2 * 6], "6   0#####") << "an erased slot has no name";
    }
}

TEST(SimSetupTest, ProcessServesAModelFromTheFolderWithLoadedRecords)
{
    vorbix::test::TempFolder folder;
    const std::string record = "01"
                               "12345"
                               "8"
                               "01" +
                               std::string(16, '0') + "000000"; // 16 bytes of KV4MUL-M
    ASSERT_EQ(record.size(), 32u);
    const std::string path = folder.write("one.rxd", dataFile("KV4MUL-M", {record}));
    SimProcess sim({"--tcp", "127.0.0.1:0", "--folder", VORBIX_DATA_DIR, "--model", "KV4MUL-M", "--mem-end", "10FF",
                    "--load", path});
    ASSERT_TRUE(sim.ready()) << sim.errors();
    const int fd = connectLoopback("127.0.0.1", sim.port("tcp"));
    ASSERT_GE(fd, 0);
    LinkClient link(fd, LinkClient::Variant::Tcp);
    link.connectFrame();
    std::string data;
    ASSERT_TRUE(link.readBlock('9', 0x0F10, 16, data));
    EXPECT_EQ(hexToText(data), "KV4MUL-M");
    ASSERT_TRUE(link.readBlock('9', 0x1000, 16, data));
    EXPECT_EQ(data, record);
    ASSERT_TRUE(link.readBlock('9', 0x1010, 16, data));
    EXPECT_EQ(data, std::string(32, '0')) << "the slots after the file's are empty";
    ::close(fd);
    EXPECT_EQ(sim.terminate(), 0);
}

} // namespace
} // namespace vorbix::rxsim::test
