#include "core/views/RecordImport.h"
#include "core/app/Language.h"
#include "core/base/TextNumbers.h"
#include "core/model/DataFile.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"
#include "core/model/TRxFnc.h"
#include "core/model/TTx.h"
#include "core/text/Cp1250.h"
#include "core/views/RecordDiff.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::views;

namespace {

// The shipped example data set (a KV8MOD-T with twelve records in slots 1 to 12) with the shipped
// function, type and English language files.
class RecordImportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(app::LoadLanguage(VORBIX_DATA_DIR, "US", lang, error)) << error;
        ASSERT_TRUE(app::LoadLanguage(VORBIX_DATA_DIR, "CZ", czech, error)) << error;
        ASSERT_TRUE(model::ReadDataFile(std::string(VORBIX_DATA_DIR) + "/Examples/Example.rxd", VORBIX_DATA_DIR,
                                        nullptr, loaded, lang, {}));
        functions.Folder = VORBIX_DATA_DIR;
        functions.FileName = model::TRxFnc::functionFileName(VORBIX_DATA_DIR, "US");
        ASSERT_TRUE(functions.LoadFunctions(loaded.Device.Model, &loaded.Device));
        setup.context.functions = &functions;
        setup.context.device = &loaded.Device;
        setup.context.lang = &lang;
        setup.context.userTitles = {"ID", "User 1", "User 2", "User 3", "User 4"};
        ViewContext czechTitles = setup.context;
        czechTitles.lang = &czech;
        setup.otherTitles.push_back(czechTitles);
        ASSERT_TRUE(model::LoadTxTypes(VORBIX_DATA_DIR, setup.types, lang, {}));
    }

    bool check(const std::string& utf8Csv, ImportReport& report, std::string& error)
    {
        csv::Content content;
        return csv::parse(utf8Csv, content, error) &&
               checkImport(content, loaded.Device, loaded.Records, setup, lang, report, error);
    }

    PopisType lang;
    PopisType czech;
    model::LoadedDataFile loaded;
    model::TRxFnc functions;
    ImportSetup setup;
};

TEST_F(RecordImportTest, EveryRowIsCheckedAndOnlyGoodRowsChangeTheDataSet)
{
    // English and Czech titles mixed, in another order than the file view's, and a column it lacks.
    const std::string file = "Button,Serial number,Pozice,Function,Channels,Time,User 1,Type,Remarks\r\n"
                             "8,x01388F,1,Pulse,\"1, 3\",-,Hall one,-,x\r\n"          // 2 changes slot 1
                             "2,x012345,,Timed,8,\"0:05,500\",New,-,\r\n"             // 3 adds (slot 13)
                             "2,x0ZZZZZ,,On,1,-,Serial,-,\r\n"                        // 4
                             "2,x022222,,Sometimes,1,-,Func,-,\r\n"                   // 5
                             "1,x033333,,On,1,-,Button,Remote 2 buttons,\r\n"         // 6
                             "2,x044444,,On,9,-,Channel,-,\r\n"                       // 7
                             "2,x055555,,On,1,-,A#B,-,\r\n"                           // 8
                             "2,x066666,,On,1,-,a,-,,extra\r\n"                       // 9
                             "8,x01388F,1,On,1,-,Again,-,\r\n"                        // 10
                             "2,x077777,,On,1,-,Far too long for the receiver,-,\r\n" // 11
                             "2,x088888,,Timed,1,soon,Time,-,\r\n"                    // 12
                             "2,x099999,,On,1,-,\"two\nlines\",-,\r\n"                // 13
                             "2,,,On,1,-,None,-,\r\n"                                 // 15
                             "2,x0AAAAA,2000,On,1,-,Slot,-,\r\n"                      // 16
                             "1,x0B934F,2,Off,2,-,Ramp 2,-,\r\n";                     // 17 unchanged
    ImportReport report;
    std::string error;
    ASSERT_TRUE(check(file, report, error)) << error;
    EXPECT_EQ(report.encoding, csv::Encoding::Utf8);
    EXPECT_EQ(report.unknownColumns, std::vector<std::string>{"Remarks"});
    ASSERT_EQ(report.rows.size(), 2u);
    EXPECT_EQ(report.rows[0].line, 2);
    EXPECT_EQ(report.rows[0].slot, 1);
    EXPECT_FALSE(report.rows[0].added);
    EXPECT_EQ(report.rows[1].line, 3);
    EXPECT_EQ(report.rows[1].slot, 13);
    EXPECT_TRUE(report.rows[1].added);
    EXPECT_EQ(report.toAdd, 1);
    EXPECT_EQ(report.toChange, 1);
    EXPECT_EQ(report.unchanged, 1);
    // Each refused line with a word of its reason.
    const std::vector<std::pair<int, std::string>> expected = {
        {4, LangText(lang, vorbix::lang::kBadSerial)},
        {5, "\"Sometimes\" is not a function"},
        {6, "not a button code of the transmitter type"},
        {7, "names a channel this receiver lacks"},
        {8, "\"#\""},
        {9, "the row has 10 fields, the title row 9"},
        {10, "slot 1 is already given by line 2"},
        {11, "the receiver keeps only 8 characters"},
        {12, "\"soon\" is not a time"},
        {13, "line break"},
        {15, "a new record needs a serial number"},
        {16, "\"2000\" is not a slot (1 to 1024)"},
    };
    ASSERT_EQ(report.refused.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(report.refused[i].line, expected[i].first);
        EXPECT_NE(report.refused[i].reason.find(expected[i].second), std::string::npos)
            << report.refused[i].line << ": " << report.refused[i].reason;
    }

    // Nothing changed by the check; the apply is one change that an undo takes back whole.
    const model::RecordTable original = loaded.Records;
    model::TDevice device = loaded.Device;
    const RecordChange change = applyImport(device, loaded.Records, report);
    const model::TData& changed = loaded.Records[1];
    EXPECT_EQ(functions.FuncNameOf(changed.Function), "Pulse");
    EXPECT_EQ(model::TRxFnc::RelayListText(changed.Channels), "1, 3");
    EXPECT_EQ(changed.User[0], "Hall one");
    const model::TData& added = loaded.Records[13];
    EXPECT_FALSE(added.Empty);
    EXPECT_EQ(added.Serial, "12345");
    EXPECT_EQ(functions.TimeOf(added.Times), "0:05,500");
    putRecords(loaded.Records, change.before);
    EXPECT_TRUE(changedRecords(original, loaded.Records).empty());
}

TEST_F(RecordImportTest, AFunctionNamedInTheOtherLanguageIsTheSameFunction)
{
    // A file exported while the program spoke Czech, read while it speaks English.
    model::TRxFnc czechFunctions;
    czechFunctions.Folder = VORBIX_DATA_DIR;
    czechFunctions.FileName = model::TRxFnc::functionFileName(VORBIX_DATA_DIR, "CZ");
    ASSERT_TRUE(czechFunctions.LoadFunctions(loaded.Device.Model, &loaded.Device));
    setup.otherTitles[0].functions = &czechFunctions;
    const std::string file = "Position,Serial number,Button,Function\r\n"
                             "1,x01388F,8,Vypnout\r\n" // Off
                             "2,x0B934F,1,Nikdy\r\n";  // no function in either language
    ImportReport report;
    std::string error;
    ASSERT_TRUE(check(file, report, error)) << error;
    ASSERT_EQ(report.refused.size(), 1u) << report.refused[0].reason;
    EXPECT_EQ(report.refused[0].line, 3) << report.refused[0].reason;
    ASSERT_EQ(report.rows.size(), 1u) << report.unchanged;
    EXPECT_EQ(functions.FuncNameOf(report.records[1].Function), "Off");
}

TEST_F(RecordImportTest, ReasonsAreInTheLanguageShown)
{
    csv::Content content;
    std::string error;
    EXPECT_FALSE(csv::parse("", content, error, &czech));
    EXPECT_EQ(cp1250::toUtf8(error), "soubor je prázdný");
    EXPECT_FALSE(csv::parse("a,\"b\r\n", content, error));
    EXPECT_EQ(error, "line 1: a quote is not closed by the end of the file");

    ASSERT_TRUE(csv::parse("Position,Function\r\n1,Sometimes\r\n2000,On\r\n", content, error));
    ImportReport report;
    ASSERT_TRUE(checkImport(content, loaded.Device, loaded.Records, setup, czech, report, error)) << error;
    ASSERT_EQ(report.refused.size(), 2u);
    EXPECT_EQ(cp1250::toUtf8(report.refused[0].reason), "Function: \"Sometimes\" není funkce tohoto přijímače");
    EXPECT_EQ(cp1250::toUtf8(report.refused[1].reason), "Position: \"2000\" není pozice (1 až 1024)");
}

TEST_F(RecordImportTest, AFullReceiverRefusesNewRowsButTakesChanges)
{
    loaded.Device.RecordCount = 12;
    loaded.Records.resize(13);
    ImportReport report;
    std::string error;
    ASSERT_TRUE(check("Serial number,Button,Position,User 1\n"
                      "x012345,2,,New\n"
                      "x01388F,8,1,Hall\n",
                      report, error))
        << error;
    ASSERT_EQ(report.refused.size(), 1u) << report.refused[0].reason;
    EXPECT_EQ(report.refused[0].line, 2);
    EXPECT_EQ(report.refused[0].reason, LangText(lang, vorbix::lang::kNoFreeSlot));
    EXPECT_EQ(report.toChange, 1);
}

// A Multi-layout model keeps one function code for the whole record and a time per relay.
TEST_F(RecordImportTest, RelayFunctionsMustAgreeWhereTheModelKeepsOneFunction)
{
    std::string error;
    ASSERT_TRUE(model::LoadDefinition(VORBIX_DATA_DIR, "KV4MUL-M", loaded.Device, lang, {}));
    loaded.Device.Model = "KV4MUL-M";
    loaded.Device.RecordCount = 8;
    model::NewRecords(loaded.Device, loaded.Records);
    loaded.Device.UsedCount = 0;
    functions = model::TRxFnc{};
    functions.Folder = VORBIX_DATA_DIR;
    functions.FileName = model::TRxFnc::functionFileName(VORBIX_DATA_DIR, "US");
    ASSERT_TRUE(functions.LoadFunctions("KV4MUL-M", &loaded.Device));
    ImportReport report;
    ASSERT_TRUE(check("Serial number,Button,Function R1,Time R1,Function R2,Time R2\n"
                      "x012345,2,Timed,\"0:01,000\",Timed,\"0:07,300\"\n"
                      "x054321,2,Timed,\"0:01,000\",Pulse,-\n",
                      report, error))
        << error;
    ASSERT_EQ(report.refused.size(), 1u) << report.refused[0].reason;
    EXPECT_EQ(report.refused[0].line, 3);
    EXPECT_NE(report.refused[0].reason.find("Function R1: the record would keep \"Pulse\""), std::string::npos)
        << report.refused[0].reason;
    ASSERT_EQ(report.rows.size(), 1u);
    const model::TData& added = report.records[static_cast<std::size_t>(report.rows[0].slot)];
    EXPECT_EQ(functions.RelayTimeOf(2, added.Times), "0:07,300");
    EXPECT_EQ(functions.RelayFuncNameOf(1, added.Function), "Timed");
}

TEST_F(RecordImportTest, AFileWithoutKnownColumnsIsRefusedWhole)
{
    ImportReport report;
    std::string error;
    EXPECT_FALSE(check("Name,Address\nx,y\n", report, error));
    EXPECT_EQ(error, "the title row names no column of the file view");
}

TEST_F(RecordImportTest, DiffMatchesByTransmitterNotBySlot)
{
    model::RecordTable after = loaded.Records;
    // Slot 2 deleted, so the later records move up; slot 1 renamed; a new record at the end.
    after.erase(after.begin() + 2);
    after.push_back(model::TData{});
    for (std::size_t k = 1; k < after.size(); ++k) {
        after[k].Position = static_cast<int>(k);
    }
    after[1].User[0] = "Hall one";
    after[12] = after[3];
    after[12].Serial = "54321";
    after[12].Position = 12;
    const RecordDiff diff = diffRecords(loaded.Records, after, setup.context, DiffFields::All);
    EXPECT_EQ(diff.added, 1);
    EXPECT_EQ(diff.removed, 1);
    EXPECT_EQ(diff.changed, 1);
    ASSERT_EQ(diff.differences.size(), 3u);
    EXPECT_EQ(diff.differences[0].kind, RecordDifference::Kind::Changed);
    ASSERT_EQ(diff.differences[0].fields.size(), 1u);
    EXPECT_EQ(diff.differences[0].fields[0].title, "User 1");
    EXPECT_EQ(diff.differences[0].fields[0].after, "Hall one");
    EXPECT_EQ(diff.differences[1].kind, RecordDifference::Kind::Removed);
    EXPECT_EQ(diff.differences[1].serial, "x0B934F");
    EXPECT_EQ(diff.differences[2].kind, RecordDifference::Kind::Added);
    EXPECT_EQ(diff.differences[2].slotAfter, 12);
    // The receiver keeps only so much of User 1 on this model: a longer text than it keeps does
    // not differ there.
    EXPECT_EQ(diffRecords(loaded.Records, loaded.Records, setup.context, DiffFields::Receiver).same(), true);
}

} // namespace
