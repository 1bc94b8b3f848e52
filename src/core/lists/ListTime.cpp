#include "core/lists/ListTime.h"

#include <cstdio>

namespace vorbix::lists {

namespace {

bool leapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : days[month - 1];
}

// One to `maxDigits` decimal digits at `pos`, moving `pos` past them.
bool readNumber(std::string_view text, std::size_t& pos, int maxDigits, int& value)
{
    int digits = 0;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < maxDigits) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits > 0;
}

bool expect(std::string_view text, std::size_t& pos, char c)
{
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

} // namespace

ListTime ListTime::fromTm(const std::tm& tm)
{
    return ListTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::int64_t ListTime::key() const
{
    return ((((static_cast<std::int64_t>(year) * 13 + month) * 32 + day) * 24 + hour) * 60 + minute) * 60 + second;
}

std::string formatListTime(const ListTime& t)
{
    // Spelled out digit by digit: the history grid and its export format up to 99999 of these.
    auto two = [](std::string& out, int value) {
        out += static_cast<char>('0' + value / 10 % 10);
        out += static_cast<char>('0' + value % 10);
    };
    std::string text;
    text.reserve(19);
    two(text, t.day);
    text += '.';
    two(text, t.month);
    text += '.';
    if (t.year < 0 || t.year > 9999) {
        text += std::to_string(t.year);
    } else {
        two(text, t.year / 100);
        two(text, t.year % 100);
    }
    if (t.hour != 0 || t.minute != 0 || t.second != 0) {
        text += ' ';
        two(text, t.hour);
        text += ':';
        two(text, t.minute);
        text += ':';
        two(text, t.second);
    }
    return text;
}

std::string isoListTime(const ListTime& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

bool parseListTime(std::string_view text, ListTime& time)
{
    ListTime t;
    std::size_t pos = 0;
    if (!readNumber(text, pos, 2, t.day) || !expect(text, pos, '.') || !readNumber(text, pos, 2, t.month) ||
        !expect(text, pos, '.')) {
        return false;
    }
    const std::size_t yearStart = pos;
    if (!readNumber(text, pos, 4, t.year) || pos - yearStart != 4) {
        return false;
    }
    t.hour = t.minute = t.second = 0;
    if (pos < text.size()) {
        if (!expect(text, pos, ' ') || !readNumber(text, pos, 2, t.hour) || !expect(text, pos, ':') ||
            !readNumber(text, pos, 2, t.minute)) {
            return false;
        }
        if (pos < text.size() && (!expect(text, pos, ':') || !readNumber(text, pos, 2, t.second))) {
            return false;
        }
        if (pos != text.size()) {
            return false;
        }
    }
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > daysInMonth(t.year, t.month) || t.hour > 23 ||
        t.minute > 59 || t.second > 59) {
        return false;
    }
    time = t;
    return true;
}

} // namespace vorbix::lists
