#include "core/views/EditRules.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::views;

namespace {

std::vector<model::TTx> types()
{
    model::TTx remote;
    remote.Name = "Remote";
    remote.HasButtons = true;
    remote.Count = 4;
    remote.Prefix = "A1";
    for (std::size_t k = 0; k < 4; ++k) {
        remote.Buttons[k].Visible = true;
        remote.Buttons[k].Value = 8 >> k;
    }
    return {remote};
}

TEST(EditRulesTest, ValidateSerial)
{
    struct Case
    {
        const char* text;
        const char* typeName;
        SerialCheck check;
        const char* result;
    } cases[] = {
        {"abcde", "Remote", SerialCheck::Valid, "A1ABCDE"},
        {"abcde", "-", SerialCheck::Valid, "x0ABCDE"},
        {"Xabcdef", "Remote", SerialCheck::Valid, "xABCDEF"},
        {"xabcdeg", "Remote", SerialCheck::InvalidPrefixed, "xabcdeg"},
        {"10abcde", "-", SerialCheck::Valid, "10ABCDE"},
        {"abcd", "-", SerialCheck::Invalid, "abcd"},
        {"abcdeg", "-", SerialCheck::Invalid, "abcdeg"},
        {"1abcdeg", "-", SerialCheck::Invalid, "1abcdeg"},
        {"", "-", SerialCheck::Invalid, ""},
    };
    for (const Case& c : cases) {
        std::string serial = c.text;
        EXPECT_EQ(ValidateSerial(serial, c.typeName, types()), c.check) << c.text;
        EXPECT_EQ(serial, c.result) << c.text;
    }
}

TEST(EditRulesTest, ButtonCodesAndBoxes)
{
    EXPECT_EQ(ButtonsToCode(types()[0], {true, false, false, true}), "9");
    EXPECT_EQ(ButtonsToCode(types()[0], {true, true, true, true}), "F");
    EXPECT_EQ(ButtonsToCode(types()[0], {false, false, false, false}), "0");
    EXPECT_EQ(buttonBoxesOf("6"), (std::array<bool, 4>{false, true, true, false}));
    EXPECT_EQ(buttonBoxesOf("C"), (std::array<bool, 4>{true, true, false, false}));
    EXPECT_EQ(buttonBoxesOf("c"), (std::array<bool, 4>{false, false, false, false}));
    EXPECT_EQ(buttonBoxesOf(""), (std::array<bool, 4>{false, false, false, false}));
}

TEST(EditRulesTest, TimesBecomeWholeTenthsWithinTheLimits)
{
    struct Case
    {
        EditTime in;
        EditTime out;
    } cases[] = {
        {{0, 0, 0}, {0, 0, 100}},   {{110, 0, 0}, {109, 13, 500}}, {{0, 1, 250}, {0, 1, 200}},
        {{0, 1, 350}, {0, 1, 400}}, {{0, 1, 251}, {0, 1, 300}},    {{0, 75, 0}, {1, 15, 0}},
        {{2, 3, 900}, {2, 3, 900}}, {{0, 0, 50}, {0, 0, 100}}, // 50 rounds to 0, then the minimum
        {{-3, 0, 0}, {0, 0, 100}},
    };
    for (const Case& c : cases) {
        const EditTime out = normaliseTime(c.in);
        EXPECT_EQ(out.minutes, c.out.minutes) << c.in.minutes << ":" << c.in.seconds << "," << c.in.milliseconds;
        EXPECT_EQ(out.seconds, c.out.seconds) << c.in.minutes << ":" << c.in.seconds << "," << c.in.milliseconds;
        EXPECT_EQ(out.milliseconds, c.out.milliseconds)
            << c.in.minutes << ":" << c.in.seconds << "," << c.in.milliseconds;
    }
    EXPECT_EQ(timeTenths({0, 0, 0}, false), 0);
    EXPECT_EQ(timeTenths({200, 0, 0}, false), 120000);
}

TEST(EditRulesTest, SplitsTimeTexts)
{
    EditTime time;
    ASSERT_TRUE(splitTimeText("109:13,500", time));
    EXPECT_EQ(time.minutes, 109);
    EXPECT_EQ(time.seconds, 13);
    EXPECT_EQ(time.milliseconds, 500);
    for (const char* bad : {"?", "1:00", "1,00:5", "a:00,0", "1:00,", ""}) {
        EXPECT_FALSE(splitTimeText(bad, time)) << bad;
    }
}

TEST(EditRulesTest, InputDevicesGetTheirOwnFunctions)
{
    const std::vector<std::string> names{"Pulse", "Timed"};
    EXPECT_EQ(functionListFor("A100001", names), (std::vector<std::string>{"-", "Direct", "Inverse"}));
    EXPECT_EQ(functionListFor("x0A0001", names), names);
    EXPECT_EQ(functionListFor("a100001", names), names);
}

} // namespace
