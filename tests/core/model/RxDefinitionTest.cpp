#include "ModelTestSupport.h"

#include "core/model/RxDefinition.h"

#include <gtest/gtest.h>

using namespace vorbix::model;
using vorbix::test::crlf;

namespace {

class RxDefinitionTest : public ::testing::Test
{
protected:
    void SetUp() override { vorbix::test::copyTestData(folder, "model/Rx.def", "Rx.def"); }

    vorbix::test::TempFolder folder;
    vorbix::PopisType lang = vorbix::test::numberedTexts();
    vorbix::test::MessageLog log;
};

TEST_F(RxDefinitionTest, LoginLoaderTakesTheLaterOfTwoBlocks)
{
    TDevice device;
    ASSERT_TRUE(LoadDefinition(folder.path(), "DUP", device, lang, log.sink()));
    EXPECT_EQ(device.Description, "Second block");
    EXPECT_EQ(device.Relays, 3);
    EXPECT_EQ(device.EraseBlock, 2048);
    EXPECT_EQ(device.ErasedRecord, "FFFFFFFF");
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(RxDefinitionTest, FileLoaderTakesTheFirstBlockAndKeepsEraseBlock)
{
    TDevice device;
    device.Model = "DUP";
    device.EraseBlock = 77;
    ASSERT_TRUE(FindModel(folder.path(), device, lang, log.sink()));
    EXPECT_EQ(device.Description, "First block");
    EXPECT_EQ(device.Relays, 2);
    EXPECT_EQ(device.EraseBlock, 77);
    EXPECT_EQ(device.EmptyRecord, "00000000");
    EXPECT_EQ(device.ReadLayout, "S01S02S03S04S05B01O01K01");
}

TEST_F(RxDefinitionTest, UnknownModelFailsWithoutMessage)
{
    TDevice device;
    device.Model = "NOPE";
    EXPECT_FALSE(FindModel(folder.path(), device, lang, log.sink()));
    EXPECT_FALSE(LoadDefinition(folder.path(), "NOPE", device, lang, log.sink()));
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(RxDefinitionTest, MissingFileReportsText80WithPathAndReason)
{
    vorbix::test::TempFolder empty;
    TDevice device;
    device.Model = "SMALL";
    EXPECT_FALSE(FindModel(empty.path(), device, lang, log.sink()));
    EXPECT_FALSE(LoadDefinition(empty.path(), "SMALL", device, lang, log.sink()));
    const std::string expected = "T80 - " + empty.file("Rx.def") + ": No such file or directory";
    EXPECT_EQ(log.messages, (std::vector<std::string>{expected, expected}));
}

// Blocks of a 16-digit record with one broken line; each must be refused with text 82.
TEST_F(RxDefinitionTest, MalformedBlocksReportText82)
{
    const std::string layout48 = "S01S02S03S04S05B01O01K01E01E02E03E04E05E06E07E08";
    ASSERT_EQ(layout48.size(), 48U);
    struct Case
    {
        const char* what;
        std::vector<std::string> block;
    };
    const std::string empty16(16, '0');
    const std::vector<Case> cases = {
        {"read layout of 47", {"X", "d", "1", empty16, layout48.substr(0, 47), layout48, "256"}},
        {"read layout of 49", {"X", "d", "1", empty16, layout48 + "0", layout48, "256"}},
        {"write layout of 47", {"X", "d", "1", empty16, layout48, layout48.substr(0, 47), "256"}},
        {"write layout of 49", {"X", "d", "1", empty16, layout48, layout48 + "0", "256"}},
        {"empty description", {"X", "", "1", empty16, layout48, layout48, "256"}},
        {"relays not a number", {"X", "d", "one", empty16, layout48, layout48, "256"}},
        {"relays negative", {"X", "d", "-1", empty16, layout48, layout48, "256"}},
        {"relays above 8", {"X", "d", "9", empty16, layout48, layout48, "256"}},
        {"empty record missing", {"X", "d", "1", "", "", "", "256"}},
        {"empty record of an odd length", {"X", "d", "1", "000", "S01S02S03", "S01S02S03", "256"}},
        {"empty record in lower case", {"X", "d", "1", "00ff", "S01S02S03S04", "S01S02S03S04", "256"}},
        {"empty record not hexadecimal", {"X", "d", "1", "00G0", "S01S02S03S04", "S01S02S03S04", "256"}},
        {"erase block not a number", {"X", "d", "1", empty16, layout48, layout48, "2k"}},
        {"erase block 0", {"X", "d", "1", empty16, layout48, layout48, "0"}},
        {"erase block negative", {"X", "d", "1", empty16, layout48, layout48, "-256"}},
        {"erase block beyond the address space", {"X", "d", "1", empty16, layout48, layout48, "65537"}},
        {"erase block of the largest integer", {"X", "d", "1", empty16, layout48, layout48, "2147483647"}},
        {"write item beyond its field",
         {"X", "d", "1", empty16, layout48, "S01S02S03S04S05B01O01K01E01E02E03E04E05E06E07E09", "256"}},
        {"write item of another letter",
         {"X", "d", "1", empty16, layout48, "S01S02S03S04S05B01O01X01E01E02E03E04E05E06E07E08", "256"}},
        {"read item at position 00",
         {"X", "d", "1", empty16, "S01S02S03S04S05B01O01K00E01E02E03E04E05E06E07E08", layout48, "256"}},
        {"layout digits not decimal", {"X", "d", "1", empty16, "S0A" + layout48.substr(3), layout48, "256"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> lines = c.block;
        lines.push_back("#E");
        folder.write("Rx.def", crlf(lines));
        log.messages.clear();
        TDevice device;
        EXPECT_FALSE(LoadDefinition(folder.path(), "X", device, lang, log.sink()));
        EXPECT_EQ(log.messages, std::vector<std::string>{"T82 - Rx.def"});
    }
}

// The erase block is bounded by the address space alone, whether or not the receiver gave its
// addresses: one flash page may hold the whole record memory.
TEST_F(RxDefinitionTest, EraseBlockAndRelaysWithinTheirBoundsAreAccepted)
{
    struct Case
    {
        const char* what;
        int memStart;
        int memEnd;
        const char* relays;
        const char* eraseBlock;
        bool accepted;
    };
    const Case cases[] = {
        {"no relays, smallest block", 0, 0, "0", "1", true},
        {"eight relays, no addresses, whole address space", 0, 0, "8", "65536", true},
        {"block as large as the memory", 0x1000, 0x10FF, "1", "256", true},
        {"block larger than the memory", 0x1000, 0x10FF, "1", "257", true},
        {"page of 2048 over 96 records of 16 bytes", 0x1000, 0x15FF, "1", "2048", true},
        {"block beyond the address space, addresses known", 0x1000, 0x10FF, "1", "65537", false},
        {"whole address space as memory", 0x0000, 0xFFFF, "1", "65536", true},
        {"addresses the wrong way round", 0x2000, 0x1000, "1", "65536", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        folder.write("Rx.def", crlf({"X", "d", c.relays, "0000", "S01S02B01K01", "S01S02B01K01", c.eraseBlock, "#E"}));
        log.messages.clear();
        TDevice device;
        device.MemStart = c.memStart;
        device.MemEnd = c.memEnd;
        EXPECT_EQ(LoadDefinition(folder.path(), "X", device, lang, log.sink()), c.accepted);
        EXPECT_EQ(log.messages.empty(), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(device.EraseBlock, std::stoi(c.eraseBlock));
        }
    }
}

TEST_F(RxDefinitionTest, FileLoaderDoesNotReadLineSeven)
{
    folder.write("Rx.def", crlf({"X", "d", "1", "00", "S01S02", "S01S02", "not a number", "#E"}));
    TDevice device;
    device.Model = "X";
    EXPECT_TRUE(FindModel(folder.path(), device, lang, log.sink()));
    EXPECT_FALSE(LoadDefinition(folder.path(), "X", device, lang, log.sink()));
    EXPECT_EQ(log.messages, std::vector<std::string>{"T82 - Rx.def"});
}

TEST_F(RxDefinitionTest, ModelListNamesEveryBlock)
{
    std::vector<TRxArray> models;
    std::vector<std::string> descriptions{"stale"};
    ASSERT_TRUE(LoadModelList(folder.file("Rx.def"), models, descriptions, lang, log.sink()));
    ASSERT_EQ(models.size(), 5U);
    EXPECT_EQ(models[1].Name, "KV1MOD-T");
    EXPECT_EQ(models[4].Description, "Second block");
    EXPECT_EQ(models[4].ItemIndex, 4);
    EXPECT_EQ(descriptions.front(), "Small test receiver");

    const std::string missing = folder.file("Missing.def");
    EXPECT_FALSE(LoadModelList(missing, models, descriptions, lang, log.sink()));
    EXPECT_EQ(log.messages, std::vector<std::string>{"T80 - " + missing + ": No such file or directory"});
}

} // namespace
