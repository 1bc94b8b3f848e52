#pragma once

#include <string>
#include <string_view>

// Command records are Intel-HEX-style text: ':' then byte pairs in upper-case hex.
namespace vorbix::link {

// Every character 0-9 or A-F counts its hex value, any other character 0; values at even
// positions (counting from 1, so the high digit of each byte after the ':') are multiplied by 16.
// The result is the two upper-case hex digits of (256 - sum) mod 256.
std::string Checksum(std::string_view record);

// Upper-case hex of one byte / of a 16-bit value (four digits, most significant first).
std::string HexByte(unsigned value);
std::string HexWord(unsigned value);

// Value of a run of hex digits; false when any character is not a hex digit (either case).
[[nodiscard]] bool ParseHex(std::string_view digits, unsigned& value);

} // namespace vorbix::link
