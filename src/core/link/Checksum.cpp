#include "core/link/Checksum.h"

#include "core/base/Hex.h"

namespace vorbix::link {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

// The protocol writes its digits in upper case; any other character counts for nothing.
int upperHexValue(char c)
{
    return (c >= 'a' && c <= 'f') ? -1 : hex::DigitValue(c);
}

} // namespace

std::string Checksum(std::string_view record)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const int v = upperHexValue(record[i]);
        if (v < 0) {
            continue;
        }
        const bool evenPosition = (i + 1) % 2 == 0;
        sum = (sum + static_cast<unsigned>(evenPosition ? v * 16 : v)) % 256;
    }
    return HexByte((256 - sum) % 256);
}

std::string HexByte(unsigned value)
{
    return {kDigits[(value >> 4) & 0xF], kDigits[value & 0xF]};
}

std::string HexWord(unsigned value)
{
    return HexByte(value >> 8) + HexByte(value);
}

bool ParseHex(std::string_view digits, unsigned& value)
{
    value = 0;
    if (digits.empty()) {
        return false;
    }
    for (char c : digits) {
        int v = upperHexValue(c);
        if (v < 0 && c >= 'a' && c <= 'f') {
            v = c - 'a' + 10;
        }
        if (v < 0) {
            return false;
        }
        value = value * 16 + static_cast<unsigned>(v);
    }
    return true;
}

} // namespace vorbix::link
