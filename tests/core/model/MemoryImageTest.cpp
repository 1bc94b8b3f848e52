#include "ModelTestSupport.h"

#include "core/model/MemoryImage.h"

#include <gtest/gtest.h>

using namespace vorbix::model;

namespace {

// Eight digits: serial S01-S05, button B01, function O01, channels K01.
TDevice smallDevice(int recordCount, int eraseBlock = 0)
{
    TDevice device;
    device.Model = "SMALL";
    device.RecordCount = recordCount;
    device.EraseBlock = eraseBlock;
    device.EmptyRecord = "00000000";
    device.ErasedRecord = "FFFFFFFF";
    device.ReadLayout = device.WriteLayout = "S01S02S03S04S05B01O01K01";
    return device;
}

// Sixteen digits with a text in E, as the KV1MOD-T fixture of tests/data/model/Rx.def.
TDevice textDevice(const std::string& model, const std::string& layout)
{
    TDevice device;
    device.Model = model;
    device.RecordCount = 2;
    device.EraseBlock = 2048;
    device.EmptyRecord = std::string(16, '0');
    device.ErasedRecord = std::string(16, 'F');
    device.ReadLayout = device.WriteLayout = layout;
    return device;
}

const std::string A = "12345801";
const std::string B = "54321401";
const std::string C = "ABCDE203";
const std::string Erased = "FFFFFFFF";
const std::string Empty = "00000000";

std::string join(const std::vector<std::string>& records)
{
    std::string image;
    for (const std::string& record : records) {
        image += record;
    }
    return image;
}

TEST(MemoryImageTest, DecodeFindsTheEndOfTheUsedArea)
{
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{Erased, A, A}, 0}, {{A, Erased, B, Erased}, 3}, {{A, Erased, B}, 1},
        {{A, B, Empty}, 3},  {{Erased, Erased}, 0},       {{A, Erased, Erased, B, Erased}, 4},
    };
    for (const auto& [slots, used] : cases) {
        TDevice device = smallDevice(static_cast<int>(slots.size()));
        RecordTable records;
        ASSERT_TRUE(DecodeMemory(device, join(slots), records));
        EXPECT_EQ(device.UsedCount, used) << join(slots);
        ASSERT_EQ(records.size(), slots.size() + 1);
    }
}

TEST(MemoryImageTest, DecodeCutsRecordsIntoFields)
{
    TDevice device = smallDevice(3);
    RecordTable records;
    ASSERT_TRUE(DecodeMemory(device, join({A, Empty, Erased}) + "0123456789ABCDEF", records));
    const TData& first = records[1];
    EXPECT_EQ(first.Position, 1);
    EXPECT_FALSE(first.Empty);
    EXPECT_EQ(first.Raw, A);
    EXPECT_EQ(first.Serial, "12345");
    EXPECT_EQ(first.Button, "8");
    EXPECT_EQ(first.Function, "0");
    EXPECT_EQ(first.Channels, "1");
    EXPECT_EQ(first.Times, "");
    EXPECT_EQ(first.TxType, "-");
    EXPECT_EQ(first.Prefix, "x0");
    EXPECT_TRUE(records[2].Empty);
    EXPECT_TRUE(records[3].Empty);
}

TEST(MemoryImageTest, DecodeRefusesBadLayoutsAndShortImages)
{
    RecordTable records(1);
    TDevice device = smallDevice(2);
    device.UsedCount = 7;
    EXPECT_FALSE(DecodeMemory(device, A, records));
    device.ReadLayout = "S01S02S03S04S05B0xO01K01";
    EXPECT_FALSE(DecodeMemory(device, A + B, records));
    EXPECT_EQ(records.size(), 1U);
    EXPECT_EQ(device.UsedCount, 7);
}

TEST(MemoryImageTest, EncodeDropsRecordsBehindTheUsedArea)
{
    for (int eraseBlock : {2048, 0}) {
        TDevice device = smallDevice(3, eraseBlock);
        RecordTable records;
        ASSERT_TRUE(DecodeMemory(device, join({A, Erased, B}), records));
        std::string image;
        ASSERT_TRUE(EncodeMemory(device, records, image));
        EXPECT_EQ(image, eraseBlock == 2048 ? join({A, Erased, Erased}) : join({A, Empty, Empty}));
        EXPECT_TRUE(records[3].Empty);
    }
}

TEST(MemoryImageTest, EncodePacksByTheEraseBlock)
{
    const std::string image = join({A, Empty, B, Empty, C, Empty});
    struct Case
    {
        int eraseBlock;
        std::string expected;
        int usedCount;
    };
    const Case cases[] = {
        {2048, join({A, B, C, Erased, Erased, Erased}), 3},
        {0, join({A, B, C, Empty, Empty, Empty}), 6},
        {256, join({A, B, C, Empty, Empty, Empty}), 6},
    };
    for (const Case& c : cases) {
        TDevice device = smallDevice(6, c.eraseBlock);
        RecordTable records;
        ASSERT_TRUE(DecodeMemory(device, image, records));
        records[1].ID = 11;
        records[5].ID = 55;
        std::string upload;
        ASSERT_TRUE(EncodeMemory(device, records, upload));
        EXPECT_EQ(upload, c.expected) << c.eraseBlock;
        EXPECT_EQ(device.UsedCount, c.usedCount);
        EXPECT_EQ(records[3].Serial, "ABCDE");
        EXPECT_EQ(records[3].Position, 3);
        EXPECT_EQ(records[3].ID, 55);
        EXPECT_EQ(records[5].ID, 0);
        EXPECT_EQ(records[5].Serial, "00000");
    }
}

TEST(MemoryImageTest, FailedEncodeLeavesNoImage)
{
    TDevice device = smallDevice(2);
    RecordTable records;
    ASSERT_TRUE(DecodeMemory(device, A + B, records));
    std::string upload = "old image";
    device.WriteLayout = "S01S02S03S04S05B01O01X01"; // builds seven digits
    EXPECT_FALSE(EncodeMemory(device, records, upload));
    EXPECT_EQ(upload, "");
    device.WriteLayout = "S01S02S03S04S05B01O01K02"; // beyond the K field
    EXPECT_FALSE(EncodeMemory(device, records, upload));
    RecordTable tooShort(2);
    device.WriteLayout = device.ReadLayout;
    EXPECT_FALSE(EncodeMemory(device, tooShort, upload));
}

TEST(MemoryImageTest, UserTextTravelsInTheExtraField)
{
    const std::string kv1Layout = "O01S01S02S03S04S05B01K01E01E02E03E04E05E06E07E08";
    const std::string kv8Layout = "O01S01S02S03S04S05B01E01E02E03E04E05E06E07E08E09";
    struct Case
    {
        std::string model;
        std::string layout;
        std::string text;
        std::string extra;
        std::string readBack;
    };
    const Case cases[] = {
        {"KV1MOD-T", kv1Layout, "AB", "41420000", "AB"},       {"KV1MOD-T", kv1Layout, "ABCDE", "41424344", "ABCD"},
        {"KVPMOD-T", kv1Layout, "", "00000000", ""},           {"KV8MOD-T", kv8Layout, "AB", "741420000", "AB"},
        {"KV8MOD-T", kv8Layout, "WXYZQ", "75758595A", "WXYZ"}, {"SMALLTXT", kv1Layout, "AB", "7777777F", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model + " " + c.text);
        TDevice device = textDevice(c.model, c.layout);
        RecordTable records;
        const std::string used =
            c.model == "KV8MOD-T" ? "1123458" + std::string("7") + "00000000" : "11234581" + std::string("7777777F");
        ASSERT_TRUE(DecodeMemory(device, used + device.ErasedRecord, records));
        records[1].User[0] = c.text;
        std::string upload;
        ASSERT_TRUE(EncodeMemory(device, records, upload));
        EXPECT_EQ(records[1].Extra, c.extra);
        EXPECT_EQ(upload.substr(upload.size() - 32, 16).substr(16 - c.extra.size()), c.extra);
        ASSERT_TRUE(DecodeMemory(device, upload, records));
        EXPECT_EQ(records[1].User[0], c.readBack);
    }
}

TEST(MemoryImageTest, HexToTextGivesTextsThatADataFileKeeps)
{
    struct Case
    {
        const char* hex;
        const char* text;
        const char* password; // where the password differs
    };
    const Case cases[] = {
        {"414200FF", "AB", nullptr},
        {"00000000", "", nullptr},
        {"FFFF", "", nullptr},
        {"41004200", "A B", nullptr},
        {"410A42", "A B", nullptr},    // a line feed would split the data file's line
        {"410D0A42", "A  B", nullptr}, // CR LF
        {"41234200", "A B", "A#B"},    // "#" separates the data file's texts
        {"411F7F", "A \x7F", nullptr}, // 1F is a control character, 7F is not below 20
        {"4", "", nullptr},            // a lone last digit is ignored
        {"41420", "AB", nullptr},
        {"4142F", "AB", nullptr},
        {"41427", "AB", nullptr},
        {"8A9AE8", "\x8A\x9A\xE8", nullptr}, // cp1250 letters
        {"41ZZ42", "A B", nullptr},          // not hex digits
        {"20204120", "  A", nullptr},        // leading blanks stay
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HexToText(c.hex), c.text) << c.hex;
        EXPECT_EQ(HexToPasswordText(c.hex), c.password != nullptr ? c.password : c.text) << c.hex;
    }
}

TEST(MemoryImageTest, NewAndClearedRecordsHaveZeroFields)
{
    TDevice device = smallDevice(3);
    RecordTable records;
    NewRecords(device, records);
    ASSERT_EQ(records.size(), 4U);
    EXPECT_EQ(device.UsedCount, 3);
    EXPECT_EQ(records[2].Position, 2);
    EXPECT_EQ(records[2].Serial, "00000");
    EXPECT_EQ(records[2].Raw, Empty);

    ASSERT_TRUE(DecodeMemory(device, join({A, B, C}), records));
    records[2].User = {"a", "b", "c", "d"};
    records[2].ID = 4;
    records[2].TxType = "Remote";
    records[2].Prefix = "10";
    ClearRecord(device, records[2]);
    EXPECT_TRUE(records[2].Empty);
    EXPECT_EQ(records[2].Position, 2);
    EXPECT_EQ(records[2].Serial, "00000");
    EXPECT_EQ(records[2].Button, "0");
    EXPECT_EQ(records[2].User[3], "");
    EXPECT_EQ(records[2].ID, 0);
    EXPECT_EQ(records[2].TxType, "-");
    EXPECT_EQ(records[2].Prefix, "x0");
}

TEST(MemoryImageTest, FirstFreeSlotGrowsTheUsedArea)
{
    const vorbix::PopisType lang = vorbix::test::numberedTexts();
    vorbix::test::MessageLog log;
    TDevice device = smallDevice(4, 2048);
    RecordTable records;
    ASSERT_TRUE(DecodeMemory(device, join({A, B, Erased, Erased}), records));
    int slot = 0;
    ASSERT_TRUE(TakeFirstFreeSlot(device, records, slot, lang, log.sink()));
    EXPECT_EQ(slot, 3);
    EXPECT_EQ(device.UsedCount, 3);
    EXPECT_EQ(records[4].Raw, Erased);

    ASSERT_TRUE(DecodeMemory(device, join({A, Empty, B, C}), records));
    ASSERT_TRUE(TakeFirstFreeSlot(device, records, slot, lang, log.sink()));
    EXPECT_EQ(slot, 2);
    EXPECT_EQ(device.UsedCount, 4);

    ASSERT_TRUE(DecodeMemory(device, join({A, B, C, A}), records));
    slot = 0;
    EXPECT_FALSE(TakeFirstFreeSlot(device, records, slot, lang, log.sink()));
    EXPECT_EQ(slot, 0);
    EXPECT_EQ(log.messages, std::vector<std::string>{"T94"});
}

TEST(MemoryImageTest, FindsRecordsBySerial)
{
    TDevice device = smallDevice(3);
    RecordTable records;
    ASSERT_TRUE(DecodeMemory(device, join({A, B, A}), records));
    EXPECT_EQ(FindBySerial(records, "54321"), 2);
    EXPECT_EQ(FindBySerial(records, "12345"), 1);
    EXPECT_EQ(FindBySerial(records, "99999"), 0);
}

TEST(MemoryImageTest, RecordsInMemoryCountsWholeRecords)
{
    TDevice device = smallDevice(0); // four bytes a record
    device.MemStart = 0x1000;
    device.MemEnd = 0x1FFF;
    EXPECT_EQ(device.recordsInMemory(), 1024);
    device.MemEnd = 0x1FFE;
    EXPECT_EQ(device.recordsInMemory(), 1023);
    device.EmptyRecord.clear();
    EXPECT_EQ(device.recordsInMemory(), 0);
}

TEST(MemoryImageTest, UserTextsMayNotHoldTheFieldSeparator)
{
    EXPECT_TRUE(UserTextAllowed("Gate 1"));
    EXPECT_TRUE(UserTextAllowed(""));
    EXPECT_FALSE(UserTextAllowed("Gate#1"));
    EXPECT_FALSE(UserTextAllowed("Gate\r\n"));
}

TEST(MemoryImageTest, TheUserTextKeptIsWhatTheEFieldHolds)
{
    struct Case
    {
        const char* model;
        std::size_t extraLength;
        int capacity;
        std::string kept; // of "Front gate east"
    };
    const Case cases[] = {
        {"KV1MOD-T", 18, 9, "Front gat"},      {"KVPMOD-T", 8, 4, "Fron"},
        {"KV8MOD-T", 18, 8, "Front ga"},       {"KV8MOD-T", 1, 0, ""},
        {"KV4MOD", 18, -1, "Front gate east"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vorbix::model::userTextCapacity(c.model, c.extraLength), c.capacity) << c.model;
        EXPECT_EQ(vorbix::model::userTextKept(c.model, "Front gate east", c.extraLength), c.kept) << c.model;
    }
}

} // namespace
