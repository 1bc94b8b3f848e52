#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The options several commands take, parsed in one place: --json, --count N and --seconds S. A
// command names the ones it takes; everything else is left, in order, for its own options and
// operands.
namespace vorbix::ctl {

enum SharedOption : unsigned
{
    kJsonOption = 1,
    kCountOption = 2,
    kSecondsOption = 4,
};

struct SharedOptions
{
    bool json = false;
    std::optional<long long> count;
    std::optional<long long> seconds;
    std::vector<std::string> rest;
};

// Counts and seconds have at most nine digits: a deadline much further away would overflow the
// clock, and nobody watches for 30 years.
inline constexpr long long kMostCountOrSeconds = 999'999'999;

// A whole decimal number from 1 to `most`, nothing else.
[[nodiscard]] bool parseBoundedNumber(std::string_view text, long long most, long long& value);

// Takes the shared options `accepted` (a set of SharedOption) out of `args`. False, with the reason,
// when --count or --seconds lacks its number or the number is out of range.
[[nodiscard]] bool takeSharedOptions(const std::vector<std::string>& args, unsigned accepted, SharedOptions& options,
                                     std::string& error);

} // namespace vorbix::ctl
