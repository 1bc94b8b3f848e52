#include "ModelTestSupport.h"

#include "core/model/DataFile.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"
#include "core/model/TDataSet.h"
#include "core/model/TRxFnc.h"
#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

using namespace vorbix::model;
using vorbix::test::crlf;

namespace {

const std::string A = "12345801";
const std::string B = "54321401";

class TDataSetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        vorbix::test::copyTestData(folder, "model/Rx.def", "Rx.def");
        folder.write("RxFncUS.def", crlf({"SMALL", "4", "SingleRelay=0", "Functions=Pulse#", "Time=0",
                                          "Decoder=0=Pulse#", "Check=0", "Set=0", "#E"}));
        functions.Folder = folder.path();
        functions.FileName = "RxFncUS.def";
        dataSet.setObserver([this](TDataSet::Change change) { changes.push_back(change); });
    }

    std::string writeSet(const std::string& name, const std::string& image, const std::vector<std::string>& comments)
    {
        std::vector<std::string> lines = {"SMALL", std::to_string(image.size() / 8), image};
        lines.insert(lines.end(), comments.begin(), comments.end());
        return folder.write(name, crlf(lines));
    }

    // A logged-in receiver with a downloaded memory of A, B, erased.
    void download()
    {
        memory.Device.Model = "SMALL";
        ASSERT_TRUE(LoadDefinition(folder.path(), "SMALL", memory.Device, lang, log.sink()));
        memory.Device.RecordCount = 3;
        memory.Device.EraseBlock = 2048;
        memory.MemoryImage = A + B + "FFFFFFFF";
        ASSERT_TRUE(DecodeMemory(memory.Device, memory.MemoryImage, memory.Records));
    }

    vorbix::test::TempFolder folder;
    vorbix::PopisType lang = vorbix::test::numberedTexts();
    vorbix::test::MessageLog log;
    ReceiverMemory memory;
    TRxFnc functions;
    TDataSet dataSet{memory, folder.path(), lang, log.sink()};
    std::vector<TDataSet::Change> changes;
};

TEST_F(TDataSetTest, OpenMakesTheFileTheDataSet)
{
    const std::string path = writeSet("a.rxd", A + B, {"1   3#Gate####", "10 Remote", "2   0#####", "x0 -"});
    ASSERT_TRUE(dataSet.open(path, false));
    EXPECT_EQ(dataSet.state().DataFileName, path);
    EXPECT_TRUE(dataSet.state().DataOpen);
    EXPECT_TRUE(dataSet.state().DataSaved);
    EXPECT_TRUE(dataSet.state().MemoryChanged);
    EXPECT_EQ(memory.Device.Model, "SMALL");
    EXPECT_EQ(memory.Device.RecordCount, 2);
    EXPECT_EQ(memory.MemoryImage, A + B);
    EXPECT_EQ(memory.Records[1].User[0], "Gate");
    EXPECT_EQ(changes, std::vector<TDataSet::Change>{TDataSet::Change::Records});
}

TEST_F(TDataSetTest, FailedOpenLeavesTheDataSetAndItsFileName)
{
    const std::string good = writeSet("good.rxd", A + B, {"1   3#Gate####", "10 Remote", "2   0#####", "x0 -"});
    ASSERT_TRUE(dataSet.open(good, false));
    const std::string shortLine = writeSet("short.rxd", A + B, {});
    std::string content = folder.read("short.rxd");
    content.erase(content.find(B) + 7, 1);
    folder.write("short.rxd", content);
    changes.clear();

    EXPECT_FALSE(dataSet.open(shortLine, false));
    EXPECT_EQ(log.messages, std::vector<std::string>{"T81"});
    EXPECT_EQ(dataSet.state().DataFileName, good);
    EXPECT_EQ(memory.MemoryImage, A + B);
    EXPECT_EQ(memory.Records[1].User[0], "Gate");
    EXPECT_TRUE(changes.empty());
}

TEST_F(TDataSetTest, BackupOpensUnderTheDataSetsOwnNameAndSavesThere)
{
    const std::string own = writeSet("own.rxd", A + B, {"1   3#Gate####", "10 Remote", "2   4#Door####", "x0 -"});
    ASSERT_TRUE(dataSet.open(own, false));
    const std::string backup = writeSet("backup.rxd", B + A, {"1   0#####", "x0 -", "2   0#####", "x0 -"});
    ASSERT_TRUE(vorbix::text::setReadOnly(backup));

    ASSERT_TRUE(dataSet.openBackup(backup, false));
    EXPECT_EQ(dataSet.state().DataFileName, own);
    EXPECT_FALSE(dataSet.state().DataSaved);
    EXPECT_EQ(memory.Records[1].Serial, "54321");
    EXPECT_EQ(memory.Records[1].User[0], "Door"); // imported from the own file
    EXPECT_EQ(memory.Records[2].User[0], "Gate");

    ASSERT_TRUE(dataSet.save());
    EXPECT_TRUE(dataSet.state().DataSaved);
    EXPECT_NE(folder.read("own.rxd").find("1   4#Door####"), std::string::npos);
    EXPECT_EQ(folder.read("backup.rxd").find("Door"), std::string::npos);
}

TEST_F(TDataSetTest, DownloadWritesAReadOnlyBackupAndReimportsComments)
{
    const std::string own = writeSet("own.rxd", A + B + "00000000",
                                     {"1   3#Gate####", "10 Remote", "2   4#Door####", "x0 -", "3   0#####", "x0 -"});
    download();
    ASSERT_TRUE(dataSet.open(own, true));

    memory.MemoryImage = A + B + "FFFFFFFF"; // a fresh download
    ASSERT_TRUE(DecodeMemory(memory.Device, memory.MemoryImage, memory.Records));
    vorbix::test::FakeClock clock;
    clock.local = vorbix::test::LocalMoment(2026, 3, 7, 14, 5, 9);
    ASSERT_TRUE(dataSet.afterDownload(true, clock));

    const std::string backup = folder.file("Backup/SMALL_260307_140509.rxd");
    ASSERT_TRUE(vorbix::text::fileExists(backup));
    EXPECT_TRUE(vorbix::text::isReadOnly(backup));
    std::string content;
    ASSERT_TRUE(vorbix::text::readFile(backup, content));
    EXPECT_EQ(content.find("Gate"), std::string::npos); // the records as downloaded
    EXPECT_EQ(memory.Records[1].User[0], "Gate");
    EXPECT_FALSE(dataSet.state().MemoryChanged);
    EXPECT_TRUE(dataSet.state().MemoryDownloaded);
    EXPECT_FALSE(dataSet.state().DataSaved);
    EXPECT_EQ(dataSet.state().DataFileName, own);

    // A second backup in the same second cannot replace the read-only first one.
    EXPECT_FALSE(dataSet.afterDownload(true, clock));
    EXPECT_TRUE(dataSet.state().MemoryDownloaded);
}

TEST_F(TDataSetTest, NewWhileLoggedInKeepsTheDownloadedRecords)
{
    download();
    ASSERT_TRUE(dataSet.newDataSet("", true, functions));
    EXPECT_TRUE(dataSet.state().DataOpen);
    EXPECT_EQ(dataSet.state().DataFileName, "");
    EXPECT_EQ(memory.Records[2].Serial, "54321");
    EXPECT_EQ(memory.Device.RecordCount, 3);

    // With a data set open, New replaces it by an empty one of the receiver's size.
    ASSERT_TRUE(dataSet.newDataSet("", true, functions));
    EXPECT_TRUE(memory.Records[2].Empty);
    EXPECT_EQ(memory.Records.size(), 4U);
    EXPECT_TRUE(dataSet.state().DataSaved);
    EXPECT_TRUE(dataSet.state().MemoryChanged);
}

TEST_F(TDataSetTest, NewWhileLoggedOutTakesTheSizeFromTheFunctionFile)
{
    const std::string own = writeSet("own.rxd", A + B, {});
    ASSERT_TRUE(dataSet.open(own, false));
    ASSERT_TRUE(dataSet.newDataSet("SMALL", false, functions));
    EXPECT_EQ(memory.Device.RecordCount, 4);
    EXPECT_EQ(memory.Device.EraseBlock, 0);
    EXPECT_EQ(memory.Records.size(), 5U);
    EXPECT_EQ(dataSet.state().DataFileName, "");

    EXPECT_FALSE(dataSet.newDataSet("NOPE", false, functions));
    EXPECT_EQ(memory.Records.size(), 5U);
}

TEST_F(TDataSetTest, StateTransitions)
{
    dataSet.markEdited();
    EXPECT_FALSE(dataSet.state().DataSaved);
    EXPECT_TRUE(dataSet.state().MemoryChanged);
    dataSet.markMemoryExchanged();
    EXPECT_FALSE(dataSet.state().MemoryChanged);

    const std::string own = writeSet("own.rxd", A + B, {});
    ASSERT_TRUE(dataSet.open(own, false));
    dataSet.close();
    EXPECT_FALSE(dataSet.state().DataOpen);
    EXPECT_EQ(dataSet.state().DataFileName, "");

    // Saving under a new name that cannot be written leaves the set unsaved.
    EXPECT_FALSE(dataSet.saveAs(folder.file("no/such/folder/set.rxd")));
    EXPECT_FALSE(dataSet.state().DataSaved);
    EXPECT_EQ(changes.size(), 5U);
}

TEST_F(TDataSetTest, StartupOpenCountsAsSaved)
{
    const std::string own = writeSet("own.rxd", A + B, {});
    ASSERT_TRUE(dataSet.openAtStartup(own, false));
    EXPECT_EQ(dataSet.state().DataFileName, own);
    EXPECT_TRUE(dataSet.state().DataSaved);
    EXPECT_TRUE(dataSet.state().DataOpen);
}

TEST(BackupTest, NameCarriesModelDateAndTime)
{
    const std::pair<std::tm, const char*> cases[] = {
        {vorbix::test::LocalMoment(2026, 12, 31, 23, 59, 58), "/p/Backup/KV1MOD-T_261231_235958.rxd"},
        {vorbix::test::LocalMoment(2001, 1, 2, 3, 4, 5), "/p/Backup/KV1MOD-T_010102_030405.rxd"},
        {vorbix::test::LocalMoment(2026, 12, 10, 0, 0, 0), "/p/Backup/KV1MOD-T_261210_000000.rxd"},
        {vorbix::test::LocalMoment(2026, 12, 10, 0, 0, 1), "/p/Backup/KV1MOD-T_261210_000001.rxd"},
    };
    for (const auto& [when, name] : cases) {
        EXPECT_EQ(BackupFileName("/p", "KV1MOD-T", when), name);
    }
}

} // namespace
