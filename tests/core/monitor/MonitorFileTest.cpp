#include "core/monitor/MonitorFile.h"

#include <gtest/gtest.h>

using namespace vorbix::monitor;

namespace {

const std::string kHeader = "Vorbix monitor setup file\r\n";

} // namespace

TEST(MonitorFileTest, EdgeCasesOfTheFileRead)
{
    struct Case
    {
        const char* name;
        std::string content;
        MonitorParse result;
        std::size_t messages;
        std::size_t activeEvents; // of the last message read
    };
    const Case cases[] = {
        {"header only", kHeader, MonitorParse::Loaded, 0, 0},
        {"no events", kHeader + "1#A#0#8#0###0#0#0#\r\nActive:end\r\nDeactive:end\r\n", MonitorParse::Loaded, 1, 0},
        {"two events on a line",
         kHeader + "1#A#0#8#0###0#0#0#\r\nActive:X212AB4#2#n#X21FFF0#C#n#end\r\nDeactive:end\r\n", MonitorParse::Loaded,
         1, 2},
        {"empty lines between messages",
         kHeader + "\r\n1#A#0#8#0###0#0#0#\r\nActive:end\r\nDeactive:end\r\n\r\n2#B#0#8#0###0#0#0#\r\nActive:"
                   "X1#1#n#end\r\nDeactive:end\r\n",
         MonitorParse::Loaded, 2, 1},
        {"LF alone", "Vorbix monitor setup file\n1#A#0#8#0###0#0#0#\nActive:end\nDeactive:end\n", MonitorParse::Loaded,
         1, 0},
        {"wrong header", "Vorbix monitor setup\r\n", MonitorParse::WrongHeader, 0, 0},
        {"empty file", "", MonitorParse::WrongHeader, 0, 0},
        {"message line at the end", kHeader + "1#A#0#8#0###0#0#0#\r\n", MonitorParse::MissingActive, 1, 0},
        {"Deactive missing", kHeader + "1#A#0#8#0###0#0#0#\r\nActive:X1#1#n#end\r\n", MonitorParse::MissingDeactive, 1,
         1},
        {"lines swapped", kHeader + "1#A#0#8#0###0#0#0#\r\nDeactive:end\r\nActive:end\r\n", MonitorParse::MissingActive,
         1, 0},
    };
    for (const Case& c : cases) {
        std::vector<TMonitorData> messages;
        EXPECT_EQ(parseMonitorSetup(c.content, messages), c.result) << c.name;
        ASSERT_EQ(messages.size(), c.messages) << c.name;
        if (!messages.empty()) {
            EXPECT_EQ(messages.back().ActiveEvents.size(), c.activeEvents) << c.name;
        }
    }
}

TEST(MonitorFileTest, MessageFieldsAndTheirFallbacks)
{
    std::vector<TMonitorData> messages;
    ASSERT_EQ(parseMonitorSetup(kHeader + "1#Gate open#1#12#4##/pic/gate.jpg#1#0#1#\r\nActive:end\r\nDeactive:end\r\n"
                                          "x#Door##x#6#/s/own.wav##yes#1 #1#\r\nActive:end\r\nDeactive:end\r\n"
                                          "3#short line#\r\nActive:end\r\nDeactive:end\r\n",
                                messages),
              MonitorParse::Loaded);
    ASSERT_EQ(messages.size(), 3u);
    const MessageValues gate{"Gate open", 1, 12, true, 4, "", "/pic/gate.jpg", false, true};
    EXPECT_EQ(messages[0].Number, 1);
    EXPECT_EQ(messages[0].values(), gate);
    // A number that does not convert gives 0, the size 8; a flag is set only by exactly "1".
    const MessageValues door{"Door", 0, 8, false, 6, "/s/own.wav", "", false, true};
    EXPECT_EQ(messages[1].Number, 0);
    EXPECT_EQ(messages[1].values(), door);
    EXPECT_EQ(messages[2].values(), (MessageValues{"short line", 0, 8, false, 0, "", "", false, false}));
}

TEST(MonitorFileTest, EventGroupsEndAtAThirdFieldOtherThanN)
{
    struct Case
    {
        const char* rest;
        std::vector<std::pair<std::string, std::string>> events;
    };
    const Case cases[] = {
        {"end", {}},
        {"", {}},
        {"X212AB4#2#n#X21FFF0#C#n#end", {{"X212AB4", "2"}, {"X21FFF0", "C"}}},
        {"X212AB4#2#x#X21FFF0#C#n#end", {{"X212AB4", "2"}}},
        {"X212AB4#end", {{"X212AB4", ""}}},
        {"A012345#A=1,B=0#n#end", {{"A012345", "A=1,B=0"}}},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<std::string, std::string>> read;
        for (const TEvent& e : parseEventList(c.rest)) {
            read.emplace_back(e.TxCode, e.ButtonCode);
        }
        EXPECT_EQ(read, c.events) << c.rest;
    }
}

TEST(MonitorFileTest, WrittenFilesReadBackByteEqual)
{
    const std::string file = kHeader + "1#Gate open#1#12#4##/pic/gate.jpg#1#0#1#\r\n"
                                       "Active:X212AB4#2#n#end\r\n"
                                       "Deactive:end\r\n"
                                       "2#\xC8\x65rven\xE1#6#24#6#/s/own.wav##0#1#0#\r\n"
                                       "Active:X212AB4#2#n#A012345#A=1,B=0#n#end\r\n"
                                       "Deactive:X212AB4#2#n#end\r\n";
    std::vector<TMonitorData> messages;
    ASSERT_EQ(parseMonitorSetup(file, messages), MonitorParse::Loaded);
    EXPECT_EQ(formatMonitorSetup(messages), file);

    // A message without events writes both lines with "end" alone.
    TMonitorData bare;
    bare.Number = 1;
    EXPECT_EQ(formatMonitorSetup({bare}), kHeader + "1##0#8#0###0#0#0#\r\nActive:end\r\nDeactive:end\r\n");
    EXPECT_EQ(formatMonitorSetup({}), kHeader);
}

TEST(MonitorFileTest, FieldMarksAreFoundWhereverTheyStand)
{
    EXPECT_TRUE(hasFieldMark("Room #4"));
    EXPECT_TRUE(hasFieldMark("#"));
    EXPECT_FALSE(hasFieldMark("Room 4"));
    EXPECT_FALSE(hasFieldMark(""));
}
