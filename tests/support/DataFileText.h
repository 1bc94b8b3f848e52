#pragma once

#include <string>
#include <vector>

namespace vorbix::test {

// Lines joined as the program's files have them, each ended by CR LF.
inline std::string crlf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines) {
        out += line + "\r\n";
    }
    return out;
}

// A record of the one-relay models with name memory: function 01, the serial digits, the button,
// relay 1, half a second, no extra fields.
inline std::string singleRelayRecord(const std::string& serial, const std::string& button)
{
    return "01" + serial + button + "01" + "0005" + std::string(18, '0');
}

} // namespace vorbix::test
