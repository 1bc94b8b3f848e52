#include "core/base/Hex.h"

namespace vorbix::hex {

bool Parse(std::string_view text, std::uint64_t& value, std::size_t maxDigits)
{
    if (text.size() > maxDigits || text.size() > 16) {
        return false;
    }
    std::uint64_t sum = 0;
    for (char c : text) {
        const int digit = DigitValue(c);
        if (digit < 0) {
            return false;
        }
        sum = sum * 16 + static_cast<std::uint64_t>(digit);
    }
    value = sum;
    return true;
}

} // namespace vorbix::hex
