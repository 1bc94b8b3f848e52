#pragma once

#include <string>
#include <string_view>

namespace vorbix::rxsim {

// Something the receiver noticed on the air or on its inputs.
enum class SimEventKind
{
    Press,       // a transmitter button
    LowBattery,  // a transmitter button, reported with a low battery
    Input,       // an input device (code beginning with 'A'); the button digit is the input code
    Temperature, // a temperature sensor (code beginning with 'B') with its raw value
};

struct SimEvent
{
    SimEventKind kind = SimEventKind::Press;
    std::string code;  // 7 upper-case hex digits: kind digit, prefix digit, five serial digits
    char button = '0'; // one upper-case hex digit
    unsigned raw = 0;  // temperature only, 16 bits
    char report = 'U'; // what the receiver sends: 'U' + 9 characters, or 'R' alone
};

// Parses the words of an event command (`press X212AB4 2`, `lowbatt ...`, `input A0000F2 9`,
// `temp B000001 5118`, each optionally followed by R or U). False with the reason otherwise.
[[nodiscard]] bool parseEvent(std::string_view line, char defaultReport, SimEvent& event, std::string& error);

// The 32 hex characters of the status block after the event, given the slot of the transmitter
// (-1 when it is not in the record memory) and the relay byte.
std::string statusBlockText(const SimEvent& event, int slot, unsigned relays);

// What the receiver sends on its own for the event: "R", or "U" + button + code + battery digit.
std::string eventReport(const SimEvent& event);

} // namespace vorbix::rxsim
