#include "core/lists/EventCode.h"

#include "core/base/Hex.h"

namespace vorbix::lists {

namespace {

bool hexValue(std::string_view text, unsigned& value)
{
    std::uint64_t read = 0;
    if (!hex::Parse(text, read, 8)) {
        return false;
    }
    value = static_cast<unsigned>(read);
    return true;
}

// The button weights of a value: 8, 4, 2 and 1 taken greedily, so 16 and more hold all four.
unsigned weights(unsigned value)
{
    return value >= 16 ? 0xF : value;
}

} // namespace

std::string EventCodeText(std::string_view txCode, std::string_view code)
{
    if (isInputDevice(txCode)) {
        if (code == "3") {
            return "A=0,B=0";
        }
        if (code == "6") {
            return "A=1,B=0";
        }
        if (code == "9") {
            return "A=0,B=1";
        }
        if (code == "C") {
            return "A=1,B=1";
        }
        if (code == "F") {
            return "Ini";
        }
    }
    return std::string(code);
}

bool ButtonsOverlap(std::string_view a, std::string_view b)
{
    unsigned x = 0;
    unsigned y = 0;
    if (!hexValue(a, x) || !hexValue(b, y)) {
        return false;
    }
    return (weights(x) & weights(y)) != 0;
}

} // namespace vorbix::lists
