#pragma once

#include <array>
#include <string>

namespace vorbix::monitor {

// One event of a message's Active or Deactive list: a transmitter and its button. Only the two codes
// are kept in the setup file; the user number and texts come from the record table.
struct TEvent
{
    std::string TxCode;     // the 7-character transmitter code: two prefix characters, five serial digits
    std::string ButtonCode; // one hex digit of button weights, or an input state text ("A=1,B=0", "Ini")
    int ID = 0;             // user number of the matching record, 0 = none
    std::array<std::string, 4> User;

    bool operator==(const TEvent&) const = default;
};

} // namespace vorbix::monitor
