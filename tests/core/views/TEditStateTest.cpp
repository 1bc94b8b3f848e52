#include "ViewsTestSupport.h"

#include "core/views/TEditState.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vorbix;
using namespace vorbix::views;
using test::record;

namespace {

std::vector<model::TTx> txTypes()
{
    model::TTx remote;
    remote.Name = "Remote";
    remote.HasButtons = true;
    remote.Count = 4;
    remote.Prefix = "10";
    for (std::size_t k = 0; k < 4; ++k) {
        remote.Buttons[k] = {k != 3, static_cast<int>(k) * 10, 5, 8 >> k};
    }
    model::TTx input;
    input.Name = "Input A/B";
    input.Count = 2;
    input.Prefix = "A0";
    input.Inputs = {{"A=0,B=0", 3}, {"A=1,B=0", 6}};
    return {remote, input};
}

class TEditStateTest : public ::testing::Test
{
protected:
    void show(const model::TRxFnc& f, const model::TData& r, int relays = 8)
    {
        functions = f;
        state.FormShow(r, txTypes(), true, test::shippedDevice(f.ModelName, relays));
    }

    PopisType lang = test::viewTexts();
    std::vector<std::string> messages;
    model::TRxFnc functions;
    TEditState state{functions, lang, [this](const std::string& m) { messages.push_back(m); }};
};

TEST_F(TEditStateTest, ShowsTheRecord)
{
    model::TData r = record(3, "12345", "6", "05", "05", "000A");
    r.Prefix = "10";
    r.TxType = "Remote";
    r.ID = 12;
    r.User = {"Gate", "", "", "x"};
    show(test::singleFunctions(), r, 4);
    EXPECT_EQ(state.c.kod, "1012345");
    EXPECT_EQ(state.c.id, 12);
    EXPECT_EQ(state.c.funkce, "Timed");
    EXPECT_TRUE(state.c.timeEnabled);
    EXPECT_EQ(state.c.time.seconds, 1);
    EXPECT_EQ(state.c.time.milliseconds, 0);
    EXPECT_EQ(state.c.chEnabled, (std::array<bool, 8>{true, true, true, true, false, false, false, false}));
    EXPECT_EQ(state.c.chTicked, (std::array<bool, 8>{true, false, true, false, false, false, false, false}));
    EXPECT_TRUE(state.c.showButtons);
    EXPECT_EQ(state.c.btnVisible, (std::array<bool, 4>{true, true, true, false}));
    EXPECT_EQ(state.c.btnTicked, (std::array<bool, 4>{false, true, true, false})); // "6"
    EXPECT_FALSE(state.c.multi);
    EXPECT_TRUE(messages.empty());
}

TEST_F(TEditStateTest, ButtonBoxesAndTheButtonCode)
{
    model::TData r = record(1, "12345", "0");
    r.TxType = "Remote";
    show(test::singleFunctions(), r);
    state.c.btnTicked = {true, false, false, true};
    state.ButtonsToCode();
    EXPECT_EQ(state.c.btn, "9");
    state.c.btn = "6";
    state.BtnComboChange();
    EXPECT_EQ(state.c.btnTicked, (std::array<bool, 4>{false, true, true, false}));
    state.c.btn = "G";
    state.BtnComboChange();
    EXPECT_EQ(state.c.btn, "0");
}

TEST_F(TEditStateTest, InputDevicesShowTheirInputs)
{
    model::TData r = record(1, "12345", "6");
    r.Prefix = "A0";
    r.TxType = "Input A/B";
    show(test::singleFunctions(), r);
    EXPECT_FALSE(state.c.showButtons);
    EXPECT_EQ(state.c.inputNames, (std::vector<std::string>{"A=0,B=0", "A=1,B=0"}));
    // The serial number begins with "A": input functions and button "F", which selects no input.
    EXPECT_EQ(state.c.funkceItems, (std::vector<std::string>{"-", "Direct", "Inverse"}));
    EXPECT_EQ(state.c.btn, "0");
    state.InputRadioClick(1);
    EXPECT_EQ(state.c.btn, "6");
}

TEST_F(TEditStateTest, ChangingTheTypeMovesThePrefix)
{
    model::TData r = record(1, "12345");
    r.Prefix = "x0";
    show(test::singleFunctions(), r);
    state.c.typ = "Remote";
    state.TypComboChange();
    EXPECT_EQ(state.c.kod, "1012345");
    state.c.typ = "-";
    state.TypComboChange();
    EXPECT_EQ(state.c.kod, "x012345");
}

TEST_F(TEditStateTest, ABadSerialIsReplacedByTheRecordsOwn)
{
    model::TData r = record(1, "12345");
    show(test::singleFunctions(), r);
    state.c.kod = "xyz";
    bool refocus = false;
    EXPECT_FALSE(state.ValidateSerial(&refocus));
    EXPECT_TRUE(refocus);
    EXPECT_EQ(state.c.kod, "x012345");
    EXPECT_EQ(messages, (std::vector<std::string>{"T138"}));

    // Well formed, but the receiver keeps five digits: the sixth would be lost on upload.
    state.c.kod = "x9fffff";
    EXPECT_FALSE(state.ValidateSerial(&refocus));
    EXPECT_EQ(state.c.kod, "x012345");
    EXPECT_EQ(messages, (std::vector<std::string>{"T138", "T138"}));

    state.c.kod = "AFFFFF0";
    EXPECT_TRUE(state.ValidateSerial());
    EXPECT_EQ(state.c.funkceItems, (std::vector<std::string>{"-", "Direct", "Inverse"}));
    EXPECT_EQ(state.c.btn, "F");
}

TEST_F(TEditStateTest, AcceptBuildsTheRecordFromTheControls)
{
    model::TData r = record(5, "12345", "8", "01", "01", "0005");
    show(test::singleFunctions(), r, 8);
    state.c.id = 7;
    state.c.user = {"Gate", "North", "", ""};
    state.c.kod = "abcde";
    state.c.funkce = "Timed";
    state.UpdateTimeControls();
    state.c.time = {0, 1, 250};
    state.c.chTicked = {false, true, false, false, false, false, false, true};
    model::TData out;
    ASSERT_TRUE(state.Accept(out));
    EXPECT_EQ(out.Serial, "ABCDE");
    EXPECT_EQ(out.Prefix, "x0");
    EXPECT_EQ(out.ID, 7);
    EXPECT_EQ(out.User[1], "North");
    EXPECT_EQ(out.Function, "05");
    EXPECT_EQ(out.Times, "000C"); // 1 s 200 ms
    EXPECT_EQ(out.Channels, "82");
    EXPECT_EQ(out.Position, 5);
    EXPECT_FALSE(out.Empty);
}

TEST_F(TEditStateTest, AnUnknownFunctionOpensWithTheFirstName)
{
    show(test::singleFunctions(), record(1, "12345", "8", "09"));
    EXPECT_EQ(state.c.funkce, "Pulse");
    model::TData out;
    ASSERT_TRUE(state.Accept(out));
    EXPECT_EQ(out.Function, "01");
}

TEST_F(TEditStateTest, AcceptRefusals)
{
    model::TRxFnc checked = test::singleFunctions();
    model::TKontrola rule;
    rule.KeySelector = "O01O02";
    rule.ValueSelector = "K01K02";
    rule.Keys = {"05"};
    rule.Values = {"01"};
    checked.Checks = {rule};
    checked.CheckCount = 1;

    struct Case
    {
        std::function<void(EditControls&)> change;
        std::string message;
    } cases[] = {
        {[](EditControls& c) {
             c.kod = "A012345";
             c.funkce = "Direct";
         },
         "T79"},
        {[](EditControls& c) { c.user[2] = "a#b"; }, HashInUserText},
        {[](EditControls& c) { c.kod = "12"; }, "T138"},
        {[](EditControls& c) {
             c.funkce = "Timed";
             c.chTicked[1] = true;
         },
         "T78"},
    };
    for (const Case& c : cases) {
        messages.clear();
        show(checked, record(1, "12345", "8", "01", "01"));
        c.change(state.c);
        model::TData out;
        out.ID = -1;
        EXPECT_FALSE(state.Accept(out));
        EXPECT_EQ(out.ID, -1);
        EXPECT_EQ(messages, (std::vector<std::string>{c.message}));
    }
}

TEST_F(TEditStateTest, AcceptAppliesTheSetRules)
{
    model::TRxFnc withSet = test::singleFunctions();
    model::TKontrola rule;
    rule.KeySelector = "O01O02";
    rule.ValueSelector = "T01T02T03T04";
    rule.Keys = {"01"};
    rule.Values = {"0005"};
    withSet.Sets = {rule};
    withSet.SetCount = 1;
    show(withSet, record(1, "12345", "8", "02", "01", "0100"));
    state.c.funkce = "Pulse";
    model::TData out;
    ASSERT_TRUE(state.Accept(out));
    EXPECT_EQ(out.Function, "01");
    EXPECT_EQ(out.Times, "0005");
}

TEST_F(TEditStateTest, MultiLayoutKeepsEachRelaysTime)
{
    show(test::multiFunctions(), record(1, "12345", "1", "03", "00", "000A0014"), 2);
    EXPECT_TRUE(state.c.multi);
    EXPECT_EQ(state.c.releItems, (std::vector<std::string>{"RE 1", "RE 2", "RE 3", "RE 4"}));
    EXPECT_TRUE(state.c.timeEnabled);
    EXPECT_EQ(state.c.time.seconds, 1);

    state.c.time = {0, 3, 0};
    state.ReleComboChange(1);
    EXPECT_EQ(state.workTimes(), "001E0014");
    EXPECT_EQ(state.currentRelay(), 2);
    EXPECT_EQ(state.c.time.seconds, 2); // relay 2's own time

    state.c.funkce = "Unknown";
    state.ReleComboChange(0);
    EXPECT_EQ(state.c.releIndex, 1); // an unknown name keeps the relay
    EXPECT_EQ(state.workFunction(), "03");
    EXPECT_EQ(state.c.funkce, "Timed");

    model::TData out;
    ASSERT_TRUE(state.Accept(out));
    EXPECT_EQ(out.Function, "03");
    EXPECT_EQ(out.Times, "001E0014");
    EXPECT_EQ(out.Channels, "00");
}

} // namespace
