#include "core/monitor/EventRules.h"
#include "core/monitor/MonitorLooks.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::monitor;

TEST(MonitorRulesTest, ButtonCodesMatchByStrictness)
{
    struct Case
    {
        const char* received;
        const char* event;
        int strictness;
        bool match;
    };
    const Case cases[] = {
        {"3", "1", 1, true},
        {"3", "1", 2, false},
        {"3", "3", 4, true},
        {"1", "10", 1, false},
        {"A=0,B=1", "A=0,B=1", 4, true},
        {"A=0,B=1", "A=1,B=1", 1, false},
        {"F", "7", 3, true},
        {"F", "7", 4, false},
        {"G", "G", 4, true},
        {"G", "1", 1, false},
        {"8", "4", 1, false},
        {"c", "C", 2, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TlacitkaSouhlasi(c.received, c.event, c.strictness), c.match)
            << c.received << " " << c.event << " " << c.strictness;
    }
}

TEST(MonitorRulesTest, InputStatesShowAsTheirCodesInTheDialogAndBack)
{
    struct Case
    {
        const char* tx;
        const char* stored;
        const char* field;
    };
    const Case cases[] = {
        {"A012345", "A=0,B=0", "3"}, {"A012345", "A=1,B=0", "6"}, {"A012345", "A=0,B=1", "9"},
        {"A012345", "A=1,B=1", "C"}, {"A012345", "Ini", "F"},     {"A012345", "5", "5"},
        {"X212AB4", "A", "A"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(buttonFieldOf(c.tx, c.stored), c.field) << c.stored;
        EXPECT_EQ(buttonCodeOf(c.tx, c.field), c.stored) << c.field;
    }
    EXPECT_EQ(buttonFieldOf("X212AB4", "Ini"), "Ini");
}

TEST(MonitorRulesTest, TransmitterCodesTakeTheirForms)
{
    std::vector<model::TTx> types(2);
    types[0].Name = "Remote";
    types[0].Prefix = "X2";
    types[0].Count = 4;
    types[1].Name = "Input";
    types[1].Prefix = "A0";
    struct Case
    {
        const char* typed;
        const char* type;
        bool valid;
        const char* code;
    };
    const Case cases[] = {
        {"12AB4", "Remote", true, "X212AB4"},
        {"12ab4", "-", true, "x012AB4"},
        {"x12ab4f", "-", true, "x12AB4F"},
        {"X12AB4F", "Remote", true, "x12AB4F"},
        {"a012345", "-", true, "A012345"},
        {"12G45", "Remote", false, "12G45"},
        {"", "-", false, ""},
        {"X212AB4x", "-", false, "X212AB4x"},
    };
    for (const Case& c : cases) {
        std::string code = c.typed;
        EXPECT_EQ(CheckTxCode(code, c.type, types), c.valid) << c.typed;
        EXPECT_EQ(code, c.code) << c.typed;
    }
    EXPECT_EQ(typeIndexForCode(types, "A012345"), 1);
    EXPECT_EQ(typeIndexForCode(types, "x012345"), -1);
}

TEST(MonitorRulesTest, TypesWithAnAPrefixBecomeTheInputDevice)
{
    std::vector<model::TTx> types(2);
    types[0].Prefix = "X2";
    types[0].HasButtons = true;
    types[0].Count = 4;
    types[1].Prefix = "A0";
    types[1].HasButtons = true;
    types[1].Count = 2;
    makeInputDevices(types);
    EXPECT_TRUE(types[0].HasButtons);
    EXPECT_FALSE(types[1].HasButtons);
    EXPECT_EQ(types[1].Count, 4);
    ASSERT_EQ(types[1].Inputs.size(), 4u);
    EXPECT_EQ(types[1].Inputs[1].Name, "A=1 B=0");
    EXPECT_EQ(types[1].Inputs[1].Code, 6);
    EXPECT_EQ(types[1].Inputs[3].Code, 12);
}

TEST(MonitorRulesTest, ColourAndSoundTables)
{
    EXPECT_EQ(coloursOf(2).text, 0xFFFF00u);
    EXPECT_EQ(coloursOf(3).swatch, 0x008000u);
    EXPECT_EQ(coloursOf(3).background, 0x00FF00u);
    EXPECT_EQ(coloursOf(6).text, 0xFFFFFFu);
    EXPECT_FALSE(coloursOf(7).hasSwatch);
    EXPECT_EQ(coloursOf(-1).background, 0xFFFFFFu);
    EXPECT_EQ(soundFileOf(1, "/opt/v", "own.wav"), "/opt/v/Sounds/SBeep.wav");
    EXPECT_EQ(soundFileOf(5, "/opt/v", ""), "/opt/v/Sounds/Permanent.wav");
    EXPECT_EQ(soundFileOf(6, "/opt/v", "/x/own.wav"), "/x/own.wav");
    EXPECT_EQ(soundFileOf(0, "/opt/v", "/x/own.wav"), "");
    EXPECT_EQ(soundFileOf(7, "/opt/v", "/x/own.wav"), "");
}
