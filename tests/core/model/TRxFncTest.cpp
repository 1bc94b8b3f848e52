#include "ModelTestSupport.h"

#include "core/model/TDevice.h"
#include "core/model/TRxFnc.h"

#include <gtest/gtest.h>

using namespace vorbix::model;
using vorbix::test::crlf;

namespace {

std::vector<std::string> block(const std::string& model, const std::string& singleRelay = "SingleRelay=0",
                               const std::string& time = "Time=2")
{
    return {model,       "250",
            singleRelay, "Functions=Pulse,,Timed#",
            time,        "Decoder=01=Pulse,02=,03=Timed,02=Late#",
            "Check=1",   "S01=B01@5=1#",
            "Set=1",     "O01O02=T01T02T03T04@01=0005#",
            "#E"};
}

class TRxFncTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fnc.Folder = folder.path();
        fnc.FileName = "RxFncUS.def";
        fnc.setMessages(&lang, log.sink());
    }
    void writeFile(const std::vector<std::string>& lines) { folder.write("RxFncUS.def", crlf(lines)); }

    vorbix::test::TempFolder folder;
    vorbix::PopisType lang = vorbix::test::numberedTexts();
    vorbix::test::MessageLog log;
    TRxFnc fnc;
};

TEST_F(TRxFncTest, ReadsABlockByFixedPositions)
{
    std::vector<std::string> lines = block("OTHER", "SingleRelay=5");
    for (const std::string& line : block("MINE")) {
        lines.push_back(line);
    }
    writeFile(lines);
    ASSERT_TRUE(fnc.LoadFunctions("MINE"));
    EXPECT_EQ(fnc.ModelName, "MINE");
    EXPECT_EQ(fnc.RecordCount, 250);
    EXPECT_EQ(fnc.SingleRelay, 0);
    EXPECT_EQ(fnc.FuncNames, (std::vector<std::string>{"Pulse", "", "Timed"}));
    EXPECT_EQ(fnc.TimeFunction, 2);
    EXPECT_EQ(fnc.DecoderCodes, (std::vector<std::string>{"01", "02", "03", "02"}));
    EXPECT_EQ(fnc.DecoderNames, (std::vector<std::string>{"Pulse", "", "Timed", "Late"}));
    ASSERT_EQ(fnc.CheckCount, 1);
    EXPECT_EQ(fnc.Checks[0].KeySelector, "S01");
    EXPECT_EQ(fnc.Checks[0].ValueSelector, "B01");
    EXPECT_EQ(fnc.Checks[0].Keys, std::vector<std::string>{"5"});
    ASSERT_EQ(fnc.SetCount, 1);
    EXPECT_EQ(fnc.Sets[0].Values, std::vector<std::string>{"0005"});
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(TRxFncTest, KeywordLineVariants)
{
    struct Case
    {
        const char* singleRelay;
        const char* time;
        bool ok;
        int relays;
        int timeIndex;
    };
    const Case cases[] = {
        {"SingleRelay=3", "Time=2", true, 3, 2},   {"SingleRelay=0", "Time=02", true, 0, 2},
        {"SingleRelay=0", "Time=12", true, 0, 12}, {"SingleRelay=x", "Time=2", false, 0, 0},
        {"SingleRelay=", "Time=2", false, 0, 0},   {"Singlerelay=1", "Time=2", false, 0, 0},
        {"SingleRelay=1", "Time=x", false, 0, 0},  {"SingleRelay=1", "Time=", false, 0, 0},
        {"SingleRelay=1", "Tim=2", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.singleRelay) + " " + c.time);
        writeFile(block("M", c.singleRelay, c.time));
        log.messages.clear();
        EXPECT_EQ(fnc.LoadFunctions("M"), c.ok);
        if (c.ok) {
            EXPECT_EQ(fnc.SingleRelay, c.relays);
            EXPECT_EQ(fnc.TimeFunction, c.timeIndex);
        } else {
            EXPECT_EQ(log.messages, std::vector<std::string>{"T82 - RxFncUS.def"});
        }
    }
}

TEST_F(TRxFncTest, MalformedListsAndRulesAreFormatErrors)
{
    const std::vector<std::pair<std::size_t, std::string>> broken = {
        {3, "Functions=Pulse,Timed"},      // no "#"
        {3, "Functions=#"},                // nothing before "#"
        {5, "Decoder=01=Pulse"},           // no "#"
        {6, "Check=x"},                    // count not a digit
        {7, "S01=B015=1#"},                // rule without "@"
        {7, "S01B01@5=1#"},                // rule without "="
        {7, "S01=B01@5=1"},                // rule without "#"
        {7, "S0x=B01@5=1#"},               // selector digits
        {9, "O01O02=T01T02T03T04@01=05#"}, // Set value shorter than its positions
        {8, "St=1"},
    };
    for (const auto& [line, text] : broken) {
        SCOPED_TRACE(text);
        std::vector<std::string> lines = block("M");
        lines[line] = text;
        writeFile(lines);
        log.messages.clear();
        EXPECT_FALSE(fnc.LoadFunctions("M"));
        EXPECT_EQ(log.messages, std::vector<std::string>{"T82 - RxFncUS.def"});
    }
}

TEST_F(TRxFncTest, ModelNotInFileKeepsThePreviousRules)
{
    writeFile(block("FIRST", "SingleRelay=4"));
    ASSERT_TRUE(fnc.LoadFunctions("FIRST"));
    ASSERT_TRUE(fnc.LoadFunctions("ABSENT"));
    EXPECT_EQ(fnc.ModelName, "ABSENT");
    EXPECT_EQ(fnc.SingleRelay, 4);
    EXPECT_EQ(fnc.FuncNames.size(), 3U);
    EXPECT_EQ(fnc.CheckCount, 1);
}

TEST_F(TRxFncTest, FailedLoadKeepsEverythingButTheModelName)
{
    writeFile(block("M", "SingleRelay=4"));
    ASSERT_TRUE(fnc.LoadFunctions("M"));
    std::vector<std::string> lines = block("M", "SingleRelay=1");
    lines[7] = "S01=B01";
    writeFile(lines);
    EXPECT_FALSE(fnc.LoadFunctions("M"));
    EXPECT_EQ(fnc.SingleRelay, 4);

    fnc.FileName = "RxFncXX.def";
    EXPECT_FALSE(fnc.LoadFunctions("M"));
    EXPECT_EQ(log.messages.back(), "T80 - " + folder.file("RxFncXX.def") + ": No such file or directory");
}

TEST_F(TRxFncTest, SelectorsBeyondTheModelsFieldsAreRefusedWhenTheLayoutIsKnown)
{
    TDevice device;
    device.ReadLayout = "S01S02B01O01O02T01T02T03T04"; // S 2, B 1, O 2, T 4
    writeFile(block("M"));
    EXPECT_TRUE(fnc.LoadFunctions("M", &device));
    std::vector<std::string> lines = block("M");
    lines[7] = "S03=B01@5=1#";
    writeFile(lines);
    EXPECT_TRUE(fnc.LoadFunctions("M"));
    EXPECT_FALSE(fnc.LoadFunctions("M", &device));
}

TEST_F(TRxFncTest, FunctionFileFallsBackToUs)
{
    folder.write("RxFncCZ.def", "");
    EXPECT_EQ(TRxFnc::functionFileName(folder.path(), "CZ"), "RxFncCZ.def");
    EXPECT_EQ(TRxFnc::functionFileName(folder.path(), "DE"), "RxFncUS.def");
}

TEST(RxFncTextTest, RelayListText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"00", "-"},           {"05", "1, 3"},    {"80", "8"}, {"FF", "1, 2, 3, 4, 5, 6, 7, 8"},
        {"0000", ""},          {"0x", ""},        {"", ""},    {"ff", "1, 2, 3, 4, 5, 6, 7, 8"},
        {"80000001", "1, 32"}, {"100000000", ""},
    };
    for (const auto& [mask, text] : cases) {
        EXPECT_EQ(TRxFnc::RelayListText(mask), text) << mask;
    }
}

TEST(RxFncTextTest, TimeText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0001", "0:00,100"}, {"000A", "0:01,0"}, {"0258", "1:00,0"},     {"FFFF", "109:13,500"},
        {"000a", "0:00,0"},   {"0", "0:00,0"},    {"0258FFFF", "1:00,0"},
    };
    for (const auto& [time, text] : cases) {
        EXPECT_EQ(TRxFnc::TimeText(time), text) << time;
    }
}

TEST(RxFncTextTest, ConversionsFollowTheLayout)
{
    TRxFnc single;
    single.DecoderCodes = {"01", "02", "02", "03"};
    single.DecoderNames = {"Pulse", "", "Toggle", "Timed"};
    TRxFnc multi = single;
    multi.SingleRelay = 2;

    EXPECT_EQ(single.FuncNameOf("02"), "Toggle"); // the first entry with a name
    EXPECT_EQ(single.FuncNameOf("09"), "?");
    EXPECT_EQ(multi.FuncNameOf("01"), "?");
    EXPECT_EQ(multi.RelayFuncNameOf(2, "03"), "Timed");
    EXPECT_EQ(single.RelayFuncNameOf(1, "03"), "?");

    std::string code;
    EXPECT_TRUE(single.FuncCodeOf("Timed", code));
    EXPECT_EQ(code, "03");
    EXPECT_FALSE(single.FuncCodeOf("Nothing", code));
    EXPECT_FALSE(multi.FuncCodeOf("Timed", code));
    EXPECT_TRUE(multi.RelayFuncCodeOf(1, "Pulse", code));
    EXPECT_EQ(code, "01");
    EXPECT_FALSE(single.RelayFuncCodeOf(1, "Pulse", code));

    EXPECT_EQ(single.TimeOf("000A"), "0:01,0");
    EXPECT_EQ(multi.TimeOf("000A"), "?");
    EXPECT_EQ(multi.RelayTimeOf(2, "0001000A"), "0:01,0");
    EXPECT_EQ(single.RelayTimeOf(1, "000A"), "?");

    EXPECT_EQ(single.TimeCode(600), "0258");
    EXPECT_EQ(single.TimeCode(70000), "FFFF");
    EXPECT_EQ(multi.TimeCode(600), "?");
    EXPECT_EQ(multi.SetRelayTime(2, 10, "1111222233334444"), "1111000A33334444");
    EXPECT_EQ(multi.SetRelayTime(5, 10, "1111222233334444"), "1111222233334444");
    EXPECT_EQ(single.SetRelayTime(1, 10, "1111"), "1111");
}

TData recordWith(const std::string& serial, const std::string& button, const std::string& function = "01",
                 const std::string& times = "0000")
{
    TData record;
    record.Serial = serial;
    record.Button = button;
    record.Function = function;
    record.Times = times;
    return record;
}

TKontrola rule(const std::string& key, const std::string& value, std::vector<std::string> keys,
               std::vector<std::string> values)
{
    return {key, value, std::move(keys), std::move(values)};
}

TEST(RxFncRulesTest, SingleCheckRule)
{
    TRxFnc fnc;
    fnc.CheckCount = 1;
    fnc.Checks = {rule("S01", "B01", {"5"}, {"1"})};
    EXPECT_TRUE(fnc.CheckRecord(recordWith("51234", "1")));
    EXPECT_FALSE(fnc.CheckRecord(recordWith("51234", "8")));
    EXPECT_TRUE(fnc.CheckRecord(recordWith("41234", "8")));

    fnc.Checks = {rule("S09", "B01", {"5"}, {"1"})}; // beyond the field
    EXPECT_FALSE(fnc.CheckRecord(recordWith("51234", "1")));
    fnc.CheckCount = 0;
    EXPECT_TRUE(fnc.CheckRecord(recordWith("51234", "1")));
}

TEST(RxFncRulesTest, SeveralCheckRulesTakeTheVerdictOfTheLastRuleTried)
{
    TRxFnc fnc;
    fnc.CheckCount = 2;
    fnc.Checks = {rule("S01", "B01", {"5"}, {"1"}), rule("B01", "O01", {"8"}, {"0"})};
    // Rule 1 rejects, rule 2 does not know the key: the record passes.
    EXPECT_TRUE(fnc.CheckRecord(recordWith("51234", "2")));
    // Rule 1 rejects, rule 2 knows the key with another value: the record fails.
    EXPECT_FALSE(fnc.CheckRecord(recordWith("51234", "8", "11")));
    // A full match in rule 1 ends the check.
    EXPECT_TRUE(fnc.CheckRecord(recordWith("51234", "1")));
}

TEST(RxFncRulesTest, SetRulesCopyCharactersOfTheFirstMatchingRule)
{
    TRxFnc fnc;
    fnc.SetCount = 2;
    fnc.Sets = {rule("O01O02", "T01T02T03T04", {"01", "09"}, {"0005", "9999"}), rule("B01", "T04", {"8"}, {"0007"})};
    TData pulse = recordWith("12345", "8", "01", "1234");
    fnc.ApplySets(pulse);
    EXPECT_EQ(pulse.Times, "0005"); // rule 2 is not tried after rule 1 matched
    TData other = recordWith("12345", "8", "02", "1234");
    fnc.ApplySets(other);
    EXPECT_EQ(other.Times, "1237");

    fnc.Sets = {rule("O01", "T01T09", {"0"}, {"777777777"})}; // T09 lies beyond the field
    TData cut = recordWith("12345", "8", "01", "1234");
    fnc.ApplySets(cut);
    EXPECT_EQ(cut.Times, "7234"); // stops at the bad item, keeps what it set
}

} // namespace
