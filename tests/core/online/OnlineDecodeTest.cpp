#include "core/link/Checksum.h"
#include "core/online/HandOver.h"
#include "core/online/PulseTime.h"
#include "core/online/RelayCommand.h"
#include "core/online/RelayDisplay.h"
#include "core/online/StatusBlock.h"

#include <gtest/gtest.h>

namespace vorbix::online {
namespace {

// A status block: code, transmitter, raw temperature, battery, slot, relays.
std::string block(char code, const std::string& tx, const std::string& raw, const std::string& battery,
                  const std::string& slot, const std::string& relays)
{
    return std::string(1, code) + tx + "0000" + raw + battery + slot + relays + "00000000";
}

TEST(StatusBlockTest, PanelShowsWhatTheBlockSays)
{
    const struct
    {
        std::string text;
        std::string lastTx;
        std::string lastButton;
        bool eventShown;
        std::string lastMem;
        bool lowBattery;
        std::optional<std::string> temperature;
    } cases[] = {
        // No event yet: only transmitter and button change, even with a slot and "01" in the block.
        {block('5', "0000000", "0000", "01", "0003", "00"), "-", "-", false, "", false, std::nullopt},
        // An input device shows its inputs, never a low battery.
        {block('9', "A123456", "0000", "01", "FFFF", "00"), "A123456", "A=0,B=1", true, "-", false, std::nullopt},
        {block('3', "B000001", "5118", "01", "0000", "00"), "B000001", "3", true, "1", false,
         "20.3 \xB0"
         "C"},
        {block('2', "0212AB4", "0000", "01", "0000", "05"), "0212AB4", "2", true, "1", true, std::nullopt},
        {block('C', "1212AB4", "0000", "00", "0010", "05"), "1212AB4", "C", true, "17", false, std::nullopt},
    };
    for (const auto& c : cases) {
        StatusBlock decoded;
        ASSERT_TRUE(DecodeStatusBlock(c.text, decoded)) << c.text;
        const PanelView view = PanelViewOf(decoded);
        EXPECT_EQ(view.lastTx, c.lastTx) << c.text;
        EXPECT_EQ(view.lastButton, c.lastButton) << c.text;
        EXPECT_EQ(view.eventShown, c.eventShown) << c.text;
        EXPECT_EQ(view.lastMem, c.lastMem) << c.text;
        EXPECT_EQ(view.lowBatteryShown, c.lowBattery) << c.text;
        EXPECT_EQ(view.temperature, c.temperature) << c.text;
    }
}

TEST(StatusBlockTest, FieldsAndRefusedBlocks)
{
    StatusBlock decoded;
    ASSERT_TRUE(DecodeStatusBlock(block('2', "0212AB4", "0000", "01", "FFFF", "A5"), decoded));
    EXPECT_EQ(decoded.serialDigits(), "12AB4");
    EXPECT_FALSE(decoded.slot.has_value());
    EXPECT_EQ(decoded.relays, 0xA5);
    EXPECT_TRUE(decoded.lowBattery);
    EXPECT_EQ(decoded.kind, DeviceKind::Transmitter);

    EXPECT_FALSE(DecodeStatusBlock(block('2', "0212AB4", "0000", "00", "0000", "00").substr(1), decoded));
    EXPECT_FALSE(DecodeStatusBlock(block('2', "0212AB4", "0000", "00", "00G0", "00"), decoded));
    EXPECT_EQ(decoded.relays, 0xA5) << "a refused block leaves the last one as it was";
}

TEST(StatusBlockTest, TemperatureHasOneDecimal)
{
    const struct
    {
        unsigned raw;
        const char* number;
    } cases[] = {
        {0x3E80, "0.0"}, {0x5118, "20.3"}, {0x3E7F, "0.0"}, {0x3E80 - 100, "-0.4"}, {0, "-68.1"}, {0xFFFF, "210.8"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TemperatureNumber(c.raw), c.number) << c.raw;
    }
    EXPECT_EQ(TemperatureText(0x5118, ','), "20,3 \xB0"
                                            "C");
}

TEST(StatusBlockTest, InputCodesHaveTheirTexts)
{
    const std::pair<char, const char*> cases[] = {{'3', "A=0,B=0"}, {'6', "A=1,B=0"}, {'9', "A=0,B=1"},
                                                  {'C', "A=1,B=1"}, {'F', "Ini"},     {'1', "1"}};
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(InputCodeText(code), text) << code;
    }
    EXPECT_EQ(EventCodeText("A000001", '6'), "A=1,B=0");
    EXPECT_EQ(EventCodeText("B000001", '6'), "6");
}

TEST(HandOverTest, LevelsDecideWhereAnEventGoes)
{
    const struct
    {
        int history;
        int battery;
        bool inMemory;
        bool dataOpen;
        bool inDataSet;
        bool toHistory;
        int batteryReports;
    } cases[] = {
        {3, 3, true, true, true, true, 2}, // the history once, the battery list twice
        {3, 3, true, false, false, true, 1},  {3, 3, false, true, true, true, 1},  {1, 1, false, true, true, false, 0},
        {2, 2, true, true, false, false, 0},  {2, 2, true, false, true, false, 0}, // no data set open
        {4, 4, false, false, false, true, 1}, {4, 3, true, true, true, true, 2},   {0, 0, true, true, true, false, 0},
    };
    for (const auto& c : cases) {
        StatusBlock b;
        ASSERT_TRUE(DecodeStatusBlock(block('1', "0212AB4", "0000", "01", c.inMemory ? "0004" : "FFFF", "00"), b));
        std::string asked;
        const DataSetLookup lookup = [&](std::string_view serial) {
            asked = serial;
            return c.inDataSet;
        };
        const HandOver h = DecideHandOver(b, {c.history, c.battery}, c.dataOpen ? lookup : DataSetLookup{});
        const std::string label = std::to_string(c.history) + "/" + std::to_string(c.battery) +
                                  (c.inMemory ? " memory" : "") + (c.inDataSet ? " data set" : "");
        EXPECT_EQ(h.history, c.toHistory) << label;
        EXPECT_EQ(h.batteryReports, c.batteryReports) << label;
        EXPECT_EQ(h.txCode, "0212AB4");
        EXPECT_TRUE(h.lowBattery);
        if (c.dataOpen && (c.history == 2 || c.history == 3 || c.battery == 2 || c.battery == 3)) {
            EXPECT_EQ(asked, "12AB4") << label;
        }
    }
    StatusBlock none;
    ASSERT_TRUE(DecodeStatusBlock(block('1', "0000000", "0000", "01", "0000", "00"), none));
    EXPECT_FALSE(DecideHandOver(none, {4, 4}, [](std::string_view) { return true; }).any());
}

TEST(PulseTimeTest, TimeEditExitRoundsAndLimits)
{
    const struct
    {
        PulseFields entered;
        int units;
        PulseFields shown;
    } cases[] = {
        {{0, 0, 0}, 5, {0, 0, 500}},     {{110, 59, 900}, 65535, {109, 13, 500}},
        {{1, 0, 250}, 602, {1, 0, 200}}, // 2.5 rounds to the even 2
        {{0, 1, 350}, 14, {0, 1, 400}},  // 3.5 rounds to the even 4
        {{0, 1, 500}, 15, {0, 1, 500}},  {{0, 0, 449}, 5, {0, 0, 500}},
        {{0, 75, 0}, 750, {1, 15, 0}},
    };
    for (const auto& c : cases) {
        const PulseTime t = TimeEditExit(c.entered);
        const std::string label = std::to_string(c.entered.minutes) + ":" + std::to_string(c.entered.seconds) + "," +
                                  std::to_string(c.entered.milliseconds);
        EXPECT_EQ(t.units, c.units) << label;
        EXPECT_EQ(t.fields.minutes, c.shown.minutes) << label;
        EXPECT_EQ(t.fields.seconds, c.shown.seconds) << label;
        EXPECT_EQ(t.fields.milliseconds, c.shown.milliseconds) << label;
    }
}

TEST(RelayCommandTest, SelectionSendsOnThenOffThenPulse)
{
    RelaySelection selection;
    selection.on = 0x05;
    selection.pulse = 0x02;
    selection.pulseUnits = TimeEditExit({0, 1, 500}).units;
    const std::vector<std::string> records = RelayRecords(selection);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0] + link::Checksum(records[0]), ":0600000B050100001000D9");
    EXPECT_EQ(records[1] + link::Checksum(records[1]), ":0600000B0203000F1000CB");
    EXPECT_EQ(RelayRecord(0xFF, RelayOperation::Off, 77), ":0600000BFF0200001000") << "no time for on and off";
    EXPECT_TRUE(RelayRecords(RelaySelection{}).empty());
}

TEST(RelayDisplayTest, BitsAndTexts)
{
    PopisType texts(305);
    texts[303] = "ON";
    texts[304] = "OFF";
    EXPECT_EQ(RelaysOn(0x85), (std::vector<int>{1, 3, 8}));
    EXPECT_TRUE(RelayOn(0x80, 8));
    EXPECT_FALSE(RelayOn(0x80, 9));
    EXPECT_EQ(RelayStateText(texts, true), "ON");
    EXPECT_EQ(RelayStateText(texts, false), "OFF");
}

} // namespace
} // namespace vorbix::online
