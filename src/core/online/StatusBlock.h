#pragma once

#include "core/model/TxCode.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorbix::online {

// What character 2 of the transmitter code says the device is.
enum class DeviceKind
{
    Transmitter,       // buttons; character 1 is the button code
    InputDevice,       // 'A': two inputs A and B; character 1 is the input code
    TemperatureSensor, // 'B': characters 13-16 hold the raw temperature
};

// The receiver's status block (16 bytes at StatusAddr) as the 32 hex characters of a read reply,
// cut into its fields. The receiver rewrites it for every event it reports.
struct StatusBlock
{
    std::string text;               // the 32 characters as read
    char code = '0';                // character 1: button code, or an input device's input code
    std::string txCode = "0000000"; // characters 2-8: kind digit, prefix digit, five serial digits
    DeviceKind kind = DeviceKind::Transmitter;
    unsigned rawTemperature = 0;  // characters 13-16, meaningful for a temperature sensor
    bool lowBattery = false;      // characters 17-18 are "01"
    std::optional<unsigned> slot; // characters 19-22, counting from 0; empty for FFFF
    std::uint8_t relays = 0;      // characters 23-24: bit k-1 = relay k on

    // False while the receiver has seen no event yet (transmitter "0000000").
    bool hasEvent() const { return model::NamesTransmitter(txCode); }
    // Characters 4-8, compared with the records' Serial.
    std::string serialDigits() const { return model::SerialOfTxCode(txCode); }
};

// Cuts `text` into the fields. False when it is not 32 characters or a numeric field (temperature,
// battery, slot, relays) is not hex: such a reply is as good as none.
[[nodiscard]] bool DecodeStatusBlock(std::string_view text, StatusBlock& block);

// The input states an input device's code stands for: "A=0,B=0" (3), "A=1,B=0" (6), "A=0,B=1" (9),
// "A=1,B=1" (C), "Ini" (F); any other code is shown as the character itself.
std::string InputCodeText(char code);

// The text of an event's code: the input states for an input device (code beginning with 'A'),
// otherwise the code character itself. Shared by the on-line panel and the history list.
std::string EventCodeText(std::string_view txCode, char code);

// Degrees Celsius in tenths, rounded to the nearest tenth: (raw - 16000) / 235.
int TemperatureTenths(unsigned raw);
// The temperature with one decimal and " °C" (code page 1250), e.g. "20.3 °C" for raw 5118 hex.
std::string TemperatureText(unsigned raw, char decimalSeparator = '.');
// The same number without the unit, always with '.', e.g. "-0.4".
std::string TemperatureNumber(unsigned raw);

// What the on-line panel shows after a status read.
struct PanelView
{
    std::string lastTx;     // EditLastTx: the transmitter code, "-" before the first event
    std::string lastButton; // EditLastBtn: the button, the input states, or "-" before the first event
    // Before the first event only the two fields above change; the rest stays as it was.
    bool eventShown = false;
    std::string lastMem;                    // EditLastMem: the slot counting from 1, "-" when not in memory
    bool lowBatteryShown = false;           // LowBattLabel: transmitters only
    std::optional<std::string> temperature; // TempLabel, shown for a temperature sensor
};

PanelView PanelViewOf(const StatusBlock& block, char decimalSeparator = '.');

} // namespace vorbix::online
