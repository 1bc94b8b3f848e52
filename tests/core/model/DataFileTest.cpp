#include "ModelTestSupport.h"

#include "core/model/DataFile.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"
#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vorbix::model;
using vorbix::test::crlf;

namespace {

const std::string A = "12345801";
const std::string B = "54321401";

class DataFileTest : public ::testing::Test
{
protected:
    void SetUp() override { vorbix::test::copyTestData(folder, "model/Rx.def", "Rx.def"); }

    TDevice smallDevice(int recordCount)
    {
        TDevice device;
        device.Model = "SMALL";
        EXPECT_TRUE(FindModel(folder.path(), device, lang, log.sink()));
        device.RecordCount = recordCount;
        return device;
    }

    // A SMALL data file of `count` slots: A in slot 1, B in slot 2, the rest empty.
    std::string writeDataFile(const std::string& name, int count, const std::vector<std::string>& comments = {})
    {
        std::string image = A + B;
        for (int k = 3; k <= count; ++k) {
            image += "00000000";
        }
        std::vector<std::string> lines = {"SMALL", std::to_string(count), image};
        for (int k = 1; k <= count; ++k) {
            const std::size_t at = static_cast<std::size_t>(k - 1) * 2;
            lines.push_back(at < comments.size() ? comments[at] : slotField(k) + "0#####");
            lines.push_back(at + 1 < comments.size() ? comments[at + 1] : "x0 -");
        }
        return folder.write(name, crlf(lines));
    }

    vorbix::test::TempFolder folder;
    vorbix::PopisType lang = vorbix::test::numberedTexts();
    vorbix::test::MessageLog log;
};

TEST_F(DataFileTest, SlotFieldsAreFourCharactersWide)
{
    const std::pair<int, const char*> cases[] = {{1, "1   "},   {9, "9   "},   {10, "10  "},   {99, "99  "},
                                                 {100, "100 "}, {999, "999 "}, {1000, "1000"}, {12345, "12345"}};
    for (const auto& [slot, field] : cases) {
        EXPECT_EQ(slotField(slot), field);
    }
}

TEST_F(DataFileTest, SavedFileHasTheLineFormat)
{
    TDevice device = smallDevice(1000);
    RecordTable records;
    NewRecords(device, records);
    records[7].Serial = "12345";
    records[7].Button = "8";
    records[7].Channels = "1";
    records[7].Empty = false;
    records[7].ID = 12;
    records[7].User = {"Gate", "Door", "", ""};
    records[7].TxType = "Remote4";
    records[7].Prefix = "10";
    std::string upload;
    const std::string path = folder.file("set.rxd");
    ASSERT_TRUE(SaveDataFile(path, device, records, upload, lang, log.sink()));

    std::string content;
    ASSERT_TRUE(vorbix::text::readFile(path, content));
    const std::vector<std::string> lines = vorbix::text::splitLines(content);
    EXPECT_EQ(content.find("\r\n"), 5U); // CR LF line ends
    ASSERT_EQ(lines.size(), 3U + 2 * 1000);
    EXPECT_EQ(lines[0], "SMALL");
    EXPECT_EQ(lines[1], "1000");
    EXPECT_EQ(lines[2], upload);
    EXPECT_EQ(lines[2].substr(0, 8), "12345801"); // compacted into slot 1 (EraseBlock 0 writes every slot)
    EXPECT_EQ(lines[2].size(), 8000U);
    EXPECT_EQ(lines[3], "1   12#Gate#Door###");
    EXPECT_EQ(lines[4], "10 Remote4");
    EXPECT_EQ(lines[3 + 2 * 8], "9   0#####");
    EXPECT_EQ(lines[4 + 2 * 8], "x0 -");
    EXPECT_EQ(lines[3 + 2 * 9].substr(0, 4), "10  ");
    EXPECT_EQ(lines[3 + 2 * 99].substr(0, 4), "100 ");
    EXPECT_EQ(lines[3 + 2 * 999], "10000#####");
}

TEST_F(DataFileTest, SaveAndReadGiveTheSameDataSet)
{
    TDevice device = smallDevice(3);
    RecordTable records;
    ASSERT_TRUE(DecodeMemory(device, A + B + "00000000", records));
    records[2].ID = 7;
    records[2].User = {"one", "two", "three", "four"};
    records[2].TxType = "Inputs";
    records[2].Prefix = "A0";
    std::string upload;
    const std::string path = folder.file("set.rxd");
    ASSERT_TRUE(SaveDataFile(path, device, records, upload, lang, log.sink()));

    LoadedDataFile loaded;
    ASSERT_TRUE(ReadDataFile(path, folder.path(), nullptr, loaded, lang, log.sink()));
    EXPECT_EQ(loaded.Device.RecordCount, 3);
    EXPECT_EQ(loaded.Device.EraseBlock, 0);
    EXPECT_EQ(loaded.MemoryImage, upload);
    ASSERT_EQ(loaded.Records.size(), 4U);
    EXPECT_EQ(loaded.Records[2].Serial, "54321");
    EXPECT_EQ(loaded.Records[2].ID, 7);
    EXPECT_EQ(loaded.Records[2].User[3], "four");
    EXPECT_EQ(loaded.Records[2].TxType, "Inputs");
    EXPECT_EQ(loaded.Records[2].Prefix, "A0");
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(DataFileTest, SaveIsRefusedWhenTheEncodeFails)
{
    TDevice device = smallDevice(2);
    RecordTable records;
    ASSERT_TRUE(DecodeMemory(device, A + B, records));
    device.WriteLayout = "S01S02S03S04S05B01O01K09";
    std::string upload;
    const std::string path = folder.file("set.rxd");
    EXPECT_FALSE(SaveDataFile(path, device, records, upload, lang, log.sink()));
    EXPECT_FALSE(vorbix::text::fileExists(path));
    EXPECT_EQ(log.messages, std::vector<std::string>{"T82 - Rx.def"});
}

TEST_F(DataFileTest, SaveOverAReadOnlyFileFails)
{
    TDevice device = smallDevice(2);
    RecordTable records;
    NewRecords(device, records);
    const std::string path = folder.write("backup.rxd", "kept");
    ASSERT_TRUE(vorbix::text::setReadOnly(path));
    std::string upload;
    EXPECT_FALSE(SaveDataFile(path, device, records, upload, lang, log.sink()));
    EXPECT_EQ(folder.read("backup.rxd"), "kept");
    ASSERT_EQ(log.messages.size(), 1U);
    EXPECT_TRUE(log.messages[0].starts_with("T80 - ")) << log.messages[0];
}

TEST_F(DataFileTest, BrokenFilesAreRefusedWithTheirTextAndLeftAsTheyWere)
{
    const std::string image3 = A + B + "00000000";
    const std::vector<std::string> slots = {"1   0#####", "x0 -", "2   0#####", "x0 -", "3   0#####", "x0 -"};
    auto file = [&](std::vector<std::string> head) {
        head.insert(head.end(), slots.begin(), slots.end());
        return crlf(head);
    };
    // The memory line with one character replaced.
    auto withDigit = [&](std::size_t at, char c) {
        std::string image = image3;
        image[at] = c;
        return file({"SMALL", "3", image});
    };
    const std::string bad = "T82 - " + folder.file("bad.rxd");
    struct Case
    {
        const char* what;
        std::string content;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"unknown model", file({"NOPE", "3", image3}), "T85"},
        {"count not a number", file({"SMALL", "three", image3}), "T82"},
        {"negative count", file({"SMALL", "-3", image3}), "T82"},
        {"memory line one short", file({"SMALL", "3", image3.substr(1)}), "T81"},
        {"memory line one long", file({"SMALL", "3", image3 + "0"}), "T81"},
        {"lower-case digits", file({"SMALL", "3", "abcdef01" + B + "00000000"}), bad},
        {"lower-case empty slots", file({"SMALL", "3", A + B + "0000000a"}), bad},
        {"not hex", withDigit(3, 'Z'), bad},
        {"a hash", withDigit(0, '#'), bad},
        {"a blank", withDigit(20, ' '), bad},
        {"a NUL", withDigit(9, '\0'), bad},
        {"a control character", withDigit(9, '\x01'), bad},
        {"a flipped bit", withDigit(2, static_cast<char>('3' ^ 0x40)), bad},
        {"a cp1250 letter", withDigit(2, '\xC8'), bad},
        {"cut after the model", "SMALL\r\n", "T82"},
        {"cut in the memory line", "SMALL\r\n3\r\n" + image3.substr(0, 10), "T81"},
        {"empty", "", "T85"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.messages.clear();
        const std::string path = folder.write("bad.rxd", c.content);
        LoadedDataFile loaded;
        loaded.MemoryImage = "untouched";
        EXPECT_FALSE(ReadDataFile(path, folder.path(), nullptr, loaded, lang, log.sink()));
        EXPECT_EQ(log.messages, std::vector<std::string>{c.text});
        EXPECT_EQ(loaded.MemoryImage, "untouched") << "nothing is opened";
        EXPECT_EQ(folder.read("bad.rxd"), c.content) << "the file is not touched";
    }

    const std::string missing = folder.file("missing.rxd");
    const std::string directory = folder.file("folder.rxd");
    ASSERT_EQ(::mkdir(directory.c_str(), 0755), 0);
    const std::pair<std::string, std::string> unreadable[] = {
        {missing, "T80 - " + missing + ": No such file or directory"},
        {directory, "T80 - " + directory + ": Is a directory"},
    };
    for (const auto& [path, text] : unreadable) {
        log.messages.clear();
        LoadedDataFile loaded;
        EXPECT_FALSE(ReadDataFile(path, folder.path(), nullptr, loaded, lang, log.sink()));
        EXPECT_EQ(log.messages, std::vector<std::string>{text});
    }
}

TEST_F(DataFileTest, SmallerFileFillsALoggedInReceiverAndALargerOneIsRefused)
{
    TDevice receiver = smallDevice(200);
    receiver.EraseBlock = 2048;
    receiver.MemStart = 0x100;
    LoadedDataFile loaded;
    ASSERT_TRUE(ReadDataFile(writeDataFile("150.rxd", 150), folder.path(), &receiver, loaded, lang, log.sink()));
    EXPECT_EQ(loaded.FileRecordCount, 150);
    EXPECT_EQ(loaded.Device.RecordCount, 200);
    EXPECT_EQ(loaded.Device.EraseBlock, 2048);
    EXPECT_EQ(loaded.Device.MemStart, 0x100);
    EXPECT_EQ(loaded.MemoryImage.size(), 200U * 8);
    ASSERT_EQ(loaded.Records.size(), 201U);
    EXPECT_FALSE(loaded.Records[2].Empty);
    EXPECT_TRUE(loaded.Records[151].Empty);
    EXPECT_TRUE(loaded.Records[200].Empty);
    EXPECT_TRUE(log.messages.empty());

    TDevice smaller = smallDevice(150);
    EXPECT_FALSE(ReadDataFile(writeDataFile("200.rxd", 200), folder.path(), &smaller, loaded, lang, log.sink()));
    EXPECT_EQ(log.messages, std::vector<std::string>{"T87"});

    TDevice other = smallDevice(200);
    other.Model = "DUP";
    log.messages.clear();
    EXPECT_FALSE(ReadDataFile(folder.file("150.rxd"), folder.path(), &other, loaded, lang, log.sink()));
    EXPECT_EQ(log.messages, std::vector<std::string>{"T86"});
}

TEST_F(DataFileTest, BadRecordLinesAreReportedOnceAndReadingGoesOn)
{
    const std::string path =
        writeDataFile("lines.rxd", 3, {"1   x#Gate####", "10 Remote", "7   5#a#b#c#d#e#f#", "A0 Inputs", "3   9", "B"});
    LoadedDataFile loaded;
    ASSERT_TRUE(ReadDataFile(path, folder.path(), nullptr, loaded, lang, log.sink()));
    EXPECT_EQ(log.messages, std::vector<std::string>{"T82"});
    EXPECT_EQ(loaded.Warnings, std::vector<std::string>{"T82"});
    // A caller with a warning sink of its own gets the warning there and no error.
    vorbix::test::MessageLog warnings;
    log.messages.clear();
    ASSERT_TRUE(ReadDataFile(path, folder.path(), nullptr, loaded, lang, log.sink(), warnings.sink()));
    EXPECT_TRUE(log.messages.empty());
    EXPECT_EQ(warnings.messages, std::vector<std::string>{"T82"});
    EXPECT_EQ(loaded.Records[1].ID, 0);
    EXPECT_EQ(loaded.Records[1].User[0], "Gate");
    EXPECT_EQ(loaded.Records[1].TxType, "Remote");
    EXPECT_EQ(loaded.Records[2].ID, 5);
    EXPECT_EQ(loaded.Records[2].User, (std::array<std::string, 4>{"a", "b", "c", "d"}));
    EXPECT_EQ(loaded.Records[2].Prefix, "A0");
    EXPECT_EQ(loaded.Records[3].ID, 0); // no "#": nothing is read
    EXPECT_EQ(loaded.Records[3].Prefix, "B");
    EXPECT_EQ(loaded.Records[3].TxType, "");
}

TEST_F(DataFileTest, ImportFillsOnlyEmptyFieldsAndTheFirstMatchWins)
{
    // Slots 1 and 3 hold the same transmitter (characters 3-8 of the record: 345801).
    const std::string path =
        folder.write("comments.rxd", crlf({"SMALL", "3", A + B + "99345801", "1   5#from1##x1##", "10 Remote",
                                           "2   6#b#b#b#b#", "x0 -", "3   9#from3#y3#z3##", "20 Other"}));
    TDevice device = smallDevice(2);
    RecordTable records;
    ASSERT_TRUE(DecodeMemory(device, A + B, records));
    records[1].User[0] = "mine";
    records[1].TxType = "Known";
    records[2].ID = 42;
    ASSERT_TRUE(ImportComments(path, folder.path(), records, lang, log.sink()));

    EXPECT_EQ(records[1].ID, 5);
    EXPECT_EQ(records[1].User, (std::array<std::string, 4>{"mine", "y3", "x1", ""}));
    EXPECT_EQ(records[1].TxType, "Known");
    EXPECT_EQ(records[1].Prefix, "10");
    EXPECT_EQ(records[2].ID, 42);
    EXPECT_EQ(records[2].User[0], "b");
    EXPECT_TRUE(log.messages.empty());
}

} // namespace
