#include "core/online/PulseTime.h"

#include <algorithm>

namespace vorbix::online {
namespace {

constexpr long long kMinUnits = 5;
constexpr long long kMaxUnits = 65535;

// value / 100 rounded to the nearest integer, a half to the even one.
long long hundredsHalfEven(long long value)
{
    const long long quotient = value / 100;
    const long long rest = value % 100;
    if (rest > 50 || (rest == 50 && quotient % 2 != 0)) {
        return quotient + 1;
    }
    return quotient;
}

} // namespace

PulseTime TimeEditExit(PulseFields entered)
{
    const long long milliseconds = hundredsHalfEven(std::max(entered.milliseconds, 0)) * 100;
    const long long total =
        std::max(entered.minutes, 0) * 60000LL + std::max(entered.seconds, 0) * 1000LL + milliseconds;
    const long long units = std::clamp(total / 100, kMinUnits, kMaxUnits);
    const long long shown = units * 100;

    PulseTime result;
    result.units = static_cast<int>(units);
    result.fields.milliseconds = static_cast<int>(shown % 1000);
    result.fields.seconds = static_cast<int>(shown / 1000 % 60);
    result.fields.minutes = static_cast<int>(shown / 60000);
    return result;
}

} // namespace vorbix::online
