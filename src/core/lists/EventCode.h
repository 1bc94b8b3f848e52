#pragma once

#include <string>
#include <string_view>

namespace vorbix::lists {

// The event code as the lists keep it: for the input device (a transmitter code beginning with
// "A") the input state a code stands for ("3" "A=0,B=0", "6" "A=1,B=0", "9" "A=0,B=1",
// "C" "A=1,B=1", "F" "Ini"); any other code as received.
std::string EventCodeText(std::string_view txCode, std::string_view code);

// True when the two button codes share a button weight (8, 4, 2, 1). Both are read as hex numbers
// of at most 8 digits (either case, the empty text is 0); a code that does not convert overlaps
// nothing, and a value of 16 or more holds every weight.
bool ButtonsOverlap(std::string_view a, std::string_view b);

// True for the input device's transmitter codes, which have no battery and no buttons.
inline bool isInputDevice(std::string_view txCode)
{
    return !txCode.empty() && txCode[0] == 'A';
}

} // namespace vorbix::lists
