#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace vorbix::lists {

// The date and time of a list entry, to the second. An entry read without a time field holds the
// zero of the list files' calendar, 30.12.1899 00:00:00, and is written back so.
struct ListTime
{
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    static ListTime fromTm(const std::tm& tm);
    // Orders times as the calendar does; equal times give equal keys.
    std::int64_t key() const;
    bool operator==(const ListTime&) const = default;
};

// "dd.MM.yyyy hh:mm:ss"; at exactly 00:00:00 the date alone, "dd.MM.yyyy".
std::string formatListTime(const ListTime& time);

// Reads what formatListTime writes: a date "d.M.yyyy", optionally a space and "h:mm" or "h:mm:ss"
// (day, month and the time parts one or two digits). False for anything else, an impossible date
// or time included; `time` is then unchanged.
[[nodiscard]] bool parseListTime(std::string_view text, ListTime& time);

// "yyyy-MM-ddThh:mm:ss", for the command-line tool's JSON.
std::string isoListTime(const ListTime& time);

} // namespace vorbix::lists
