#include "core/lists/EventCode.h"
#include "core/lists/ListLine.h"
#include "core/lists/ListTime.h"
#include "core/lists/TBatt.h"
#include "core/lists/THistory.h"
#include "core/text/TextFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::lists;

TEST(ListTimeTest, MidnightIsWrittenAsTheDateAloneAndReadsBack)
{
    const ListTime midnight{2009, 3, 7, 0, 0, 0};
    EXPECT_EQ(formatListTime(midnight), "07.03.2009");
    EXPECT_EQ(formatListTime({2009, 3, 7, 8, 15, 30}), "07.03.2009 08:15:30");
    ListTime read{2000, 1, 1, 1, 1, 1};
    ASSERT_TRUE(parseListTime("07.03.2009", read));
    EXPECT_EQ(read, midnight);
    EXPECT_EQ(formatListTime(ListTime{}), "30.12.1899");
}

TEST(ListTimeTest, OnlyRealDatesAndTimesParse)
{
    struct Case
    {
        const char* text;
        bool parses;
    };
    const Case cases[] = {
        {"07.03.2009 08:15:30", true},  {"7.3.2009 8:15", true},         {"29.02.2008", true},
        {"29.02.2009", false},          {"32.01.2009", false},           {"07.03.09", false},
        {"07.03.2009 24:00:00", false}, {"07.03.2009 08:15:30x", false}, {"", false},
        {"07/03/2009", false},          {"07.03.2009 ", false},
    };
    for (const Case& c : cases) {
        ListTime t;
        EXPECT_EQ(parseListTime(c.text, t), c.parses) << c.text;
    }
}

TEST(ListLineTest, FieldsEndAtEachMarkAndTheRestIsDropped)
{
    EXPECT_EQ(splitListFields("a#b##c"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_TRUE(splitListFields("no mark").empty());
    // A "#" inside a field would shift the fields after it.
    EXPECT_EQ(joinListFields({"X1", "Room #4", ""}), "X1#Room 4##");
}

TEST(EventCodeTest, InputDeviceCodesBecomeInputStates)
{
    struct Case
    {
        const char* tx;
        const char* code;
        const char* text;
    };
    const Case cases[] = {
        {"A0000F2", "3", "A=0,B=0"}, {"A0000F2", "6", "A=1,B=0"}, {"A0000F2", "9", "A=0,B=1"},
        {"A0000F2", "C", "A=1,B=1"}, {"A0000F2", "F", "Ini"},     {"A0000F2", "5", "5"},
        {"X212AB4", "9", "9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EventCodeText(c.tx, c.code), c.text) << c.tx << " " << c.code;
    }
}

TEST(EventCodeTest, ButtonsOverlapByTheirWeights)
{
    struct Case
    {
        const char* a;
        const char* b;
        bool overlap;
    };
    const Case cases[] = {
        {"3", "1", true}, {"4", "3", false}, {"", "5", false},          {"G", "1", false},       {"10", "2", true},
        {"f", "8", true}, {"0", "F", false}, {"123456789", "1", false}, {"A=0,B=1", "1", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ButtonsOverlap(c.a, c.b), c.overlap) << c.a << " / " << c.b;
    }
}

TEST(HistoryFileTest, TheExampleLineReadsAsItsFields)
{
    THistoryRec rec;
    ASSERT_TRUE(parseHistoryLine("X212AB4#2#07.03.2009 08:15:30#0#17#Room 4#Gate#Main##", rec));
    EXPECT_EQ(rec.TxCode, "X212AB4");
    EXPECT_EQ(rec.Code, "2");
    EXPECT_EQ(rec.Time, (ListTime{2009, 3, 7, 8, 15, 30}));
    EXPECT_FALSE(rec.LowBatt);
    EXPECT_EQ(rec.ID, 17);
    EXPECT_EQ(rec.User, (std::array<std::string, 4>{"Room 4", "Gate", "Main", ""}));
    EXPECT_EQ(historyLine(rec), "X212AB4#2#07.03.2009 08:15:30#0#17#Room 4#Gate#Main##");
}

TEST(HistoryFileTest, ShortOddAndEmptyLinesReadByTheFileRules)
{
    std::vector<THistoryRec> records;
    const ListLoad load = parseHistory("\r\nX112345#1#\r\n"
                                       "X1#2#07.03.2009#yes#abc#####extra#x\r\n"
                                       "X1#2#07.03.2009#1#5#a#b#c#d#tail\r\n",
                                       records);
    EXPECT_EQ(load.skippedLines, 0);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].TxCode, "X112345");
    EXPECT_EQ(records[0].Code, "1");
    EXPECT_EQ(records[0].Time, ListTime{});
    EXPECT_EQ(records[0].ID, 0);
    EXPECT_FALSE(records[1].LowBatt); // only exactly "1" is true
    EXPECT_EQ(records[1].ID, 0);
    EXPECT_TRUE(records[2].LowBatt);
    EXPECT_EQ(records[2].User[3], "d");
}

TEST(HistoryFileTest, ABadTimeLineIsSkippedAndTheLinesAfterItAreKept)
{
    test::TempFolder folder;
    folder.write("History.dat", "X1#1#07.03.2009 08:00:00#0#0#####\r\n"
                                "X2#1#31.02.2009 08:00:00#0#0#####\r\n"
                                "X3#1#08.03.2009#0#0#####\r\n");
    THistory history(folder.file("History.dat"));
    const ListLoad load = history.LoadHistory();
    EXPECT_TRUE(load.opened);
    EXPECT_EQ(load.skippedLines, 1);
    EXPECT_EQ(load.firstSkipped, "X2#1#31.02.2009 08:00:00#0#0#####");
    ASSERT_EQ(history.Records.size(), 2u);
    EXPECT_EQ(history.Records[1].TxCode, "X3");

    // The next save keeps every good line.
    std::string error;
    ASSERT_TRUE(history.AddEvent("X4", "1", false, {2009, 3, 9, 10, 0, 0}, 100, {}, error)) << error;
    EXPECT_EQ(folder.read("History.dat"), "X4#1#09.03.2009 10:00:00#0#0#####\r\n"
                                          "X1#1#07.03.2009 08:00:00#0#0#####\r\n"
                                          "X3#1#08.03.2009#0#0#####\r\n");
}

// Any text put in place of a list file has lines without "#": read as blank entries, the next event
// would rewrite the file as such. They are left out and counted like lines whose time does not read.
TEST(HistoryFileTest, LinesWithTooFewFieldsAreSkippedAndNoted)
{
    std::vector<THistoryRec> history;
    const ListLoad load = parseHistory("Dear diary,\r\nX1#\r\nX2#1#\r\n", history);
    EXPECT_EQ(load.skippedLines, 2);
    EXPECT_EQ(load.firstSkipped, "Dear diary,");
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].TxCode, "X2");

    std::vector<TLowBatt> batt;
    EXPECT_EQ(parseLowBatt("plain text\r\nX2#1#\r\n", batt).skippedLines, 1);
    EXPECT_EQ(batt.size(), 1u);
}

TEST(HistoryFileTest, WrittenFilesReadBackEqual)
{
    test::TempFolder folder;
    THistory history(folder.file("History.dat"));
    model::RecordTable records(2);
    records[1].Serial = "12AB4";
    records[1].Button = "2";
    records[1].ID = 17;
    records[1].User = {"R\xF8\x9E 4", "Gate", "Ma#in", ""}; // cp1250 letters, and a "#" from elsewhere
    std::string error;
    ASSERT_TRUE(history.AddEvent("X212AB4", "2", true, {2009, 3, 7, 8, 15, 30}, 100, records, error));
    ASSERT_TRUE(history.AddEvent("A0000F2", "F", false, {2009, 3, 8, 0, 0, 0}, 100, records, error));
    EXPECT_EQ(folder.read("History.dat"), "A0000F2#Ini#08.03.2009#0#0#####\r\n"
                                          "X212AB4#2#07.03.2009 08:15:30#1#17#R\xF8\x9E 4#Gate#Main##\r\n");
    THistory again(folder.file("History.dat"));
    EXPECT_EQ(again.LoadHistory().skippedLines, 0);
    EXPECT_EQ(again.Records, history.Records);
}

TEST(HistoryFileTest, AMissingFileLeavesTheListEmptyAndAnUnwritableOneIsReported)
{
    test::TempFolder folder;
    THistory history(folder.file("none/History.dat"));
    history.Records.resize(2);
    EXPECT_FALSE(history.LoadHistory().opened);
    EXPECT_TRUE(history.Records.empty());
    std::string error;
    EXPECT_FALSE(history.AddEvent("X1", "1", false, {}, 100, {}, error));
    EXPECT_NE(error.find("none/History.dat"), std::string::npos);
    EXPECT_EQ(history.Records.size(), 1u);
    EXPECT_FALSE(history.ClearHistory(error));
    EXPECT_EQ(history.Records.size(), 1u); // a failed clear does not reload
}

TEST(BatteryFileTest, TheExampleLineReadsAndWritesBack)
{
    TLowBatt rec;
    const std::string line = "X212AB4#1#07.03.2009 08:15:30#17#Room 4#Gate#Main##";
    ASSERT_TRUE(parseLowBattLine(line, rec));
    EXPECT_EQ(rec.State, 1);
    EXPECT_EQ(rec.ID, 17);
    EXPECT_EQ(rec.User[2], "Main");
    EXPECT_EQ(lowBattLine(rec), line);
    ASSERT_TRUE(parseLowBattLine("X2#x#07.03.2009#y#", rec));
    EXPECT_EQ(rec.State, 0);
    EXPECT_EQ(rec.ID, 0);
    EXPECT_FALSE(parseLowBattLine("X2#0#07.13.2009#", rec));
}

TEST(BatteryFileTest, ABadTimeLineIsSkippedAndTheRestKept)
{
    test::TempFolder folder;
    folder.write("LowBatt.dat", "X1#0#bad#0#####\r\nX2#1#07.03.2009#0#####\r\n");
    TBatt batt(folder.file("LowBatt.dat"));
    const ListLoad load = batt.LoadLowBatt();
    EXPECT_EQ(load.skippedLines, 1);
    ASSERT_EQ(batt.Records.size(), 1u);
    std::string error;
    ASSERT_TRUE(batt.SaveLowBatt(error));
    EXPECT_EQ(folder.read("LowBatt.dat"), "X2#1#07.03.2009#0#####\r\n");
}

// A list that was never read must not replace its file: the entries there would be lost. Once
// read, it is written as usual.
TEST(HistoryFileTest, AListNeverReadIsNeverWrittenOverItsFile)
{
    test::TempFolder folder;
    const std::string history = "X1#1#07.03.2009 08:00:00#0#0#Porter####\r\n";
    const std::string battery = "X2#1#07.03.2009#0#Gate####\r\n";
    folder.write("History.dat", history);
    folder.write("LowBatt.dat", battery);
    THistory historyList(folder.file("History.dat"));
    TBatt batteryList(folder.file("LowBatt.dat"));
    std::string error;
    EXPECT_FALSE(historyList.LinkUserData({}, error));
    EXPECT_NE(error.find("History.dat"), std::string::npos) << error;
    EXPECT_FALSE(historyList.AddEvent("X3", "1", false, {2009, 3, 9, 10, 0, 0}, 100, {}, error));
    EXPECT_FALSE(batteryList.LinkLowBattUserData({}, error));
    EXPECT_EQ(folder.read("History.dat"), history);
    EXPECT_EQ(folder.read("LowBatt.dat"), battery);

    historyList.LoadHistory();
    ASSERT_TRUE(historyList.AddEvent("X3", "1", false, {2009, 3, 9, 10, 0, 0}, 100, {}, error)) << error;
    EXPECT_EQ(folder.read("History.dat"), "X3#1#09.03.2009 10:00:00#0#0#####\r\n" + history);
}
