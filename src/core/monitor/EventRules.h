#pragma once

#include "core/model/TTx.h"

#include <string>
#include <string_view>
#include <vector>

// The rules of monitor events that need no window: matching a received button code against an
// event's, and what the event dialog does with transmitter codes, types and input states.
namespace vorbix::monitor {

// TlacitkaSouhlasi: does the received code `received` match the event's `eventCode` at `strictness`
// (1..4)? Codes of different length never match, equal texts always do; otherwise both are read as
// hex and match when they share at least `strictness` of the button weights 8, 4, 2, 1. Input state
// texts such as "A=1,B=0" thus match only when equal.
bool TlacitkaSouhlasi(std::string_view received, std::string_view eventCode, int strictness);

// The button field of the event dialog for an event: an input device's state text as its code
// ("A=0,B=0" "3", "A=1,B=0" "6", "A=0,B=1" "9", "A=1,B=1" "C", "Ini" "F"), anything else as it is.
std::string buttonFieldOf(std::string_view txCode, std::string_view buttonCode);
// The reverse, stored at OK: an input device's code as its state text, anything else as it is.
std::string buttonCodeOf(std::string_view txCode, std::string_view buttonField);

// The monitor sees every type whose prefix begins with "A" as the input device, whatever "Tx.def"
// says: no buttons, the four inputs "A=0 B=0" (3), "A=1 B=0" (6), "A=0 B=1" (9), "A=1 B=1" (12).
void makeInputDevices(std::vector<model::TTx>& types);

// CheckTxCode on the code field: five hex digits take the prefix of the type named `typeName` ("x0"
// when no type has that name), "x" + six hex digits and seven hex digits are taken with the digits in
// upper case. False for anything else (language text 138); `code` is then left as it was.
[[nodiscard]] bool CheckTxCode(std::string& code, const std::string& typeName, const std::vector<model::TTx>& types);

// The first type in file order whose prefix begins with the code's first character; -1 for none.
int typeIndexForCode(const std::vector<model::TTx>& types, std::string_view txCode);

// The type in force for a name: the last type of that name, -1 for none.
int lastTypeNamed(const std::vector<model::TTx>& types, const std::string& name);

} // namespace vorbix::monitor
