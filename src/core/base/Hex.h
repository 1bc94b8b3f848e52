#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Reading hexadecimal text: the protocol's records, the definition files' fields, button and event
// codes all go through these.
namespace vorbix::hex {

// The value of a hexadecimal digit of either case; -1 for any other character.
constexpr int DigitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// `text` read as hexadecimal digits of either case; the empty text reads as 0. False, with `value`
// left as it was, for a text of more than `maxDigits` digits or with any other character.
[[nodiscard]] bool Parse(std::string_view text, std::uint64_t& value, std::size_t maxDigits = 16);

} // namespace vorbix::hex
