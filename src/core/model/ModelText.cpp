#include "core/model/ModelText.h"
#include "core/base/Hex.h"

#include <algorithm>
#include <limits>

namespace vorbix::model {

bool parseDecimal(std::string_view text, int& value)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    long long result = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        result = result * 10 + (c - '0');
        if (result > static_cast<long long>(std::numeric_limits<int>::max()) + 1) {
            return false;
        }
    }
    if (negative) {
        result = -result;
    }
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) {
        return false;
    }
    value = static_cast<int>(result);
    return true;
}

bool selectorItem(std::string_view selector, std::size_t index, SelectorItem& item)
{
    const std::size_t start = index * 3;
    if (start + 3 > selector.size()) {
        return false;
    }
    const char tens = selector[start + 1];
    const char ones = selector[start + 2];
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9') {
        return false;
    }
    item.letter = selector[start];
    item.position = (tens - '0') * 10 + (ones - '0');
    return true;
}

bool isFieldLetter(char letter)
{
    return letter == 'S' || letter == 'B' || letter == 'O' || letter == 'K' || letter == 'T' || letter == 'E';
}

std::string hexWord(int value)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    const unsigned v = static_cast<unsigned>(std::clamp(value, 0, 0xFFFF));
    return {digits[(v >> 12) & 0xF], digits[(v >> 8) & 0xF], digits[(v >> 4) & 0xF], digits[v & 0xF]};
}

} // namespace vorbix::model
