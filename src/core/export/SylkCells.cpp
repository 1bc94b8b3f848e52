#include "core/export/SylkCells.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vorbix::exports {

namespace {

constexpr std::string_view kCellLineBreak = "\x1B\x20\x3A";

// Days from 1 January 1970 to a civil date (proleptic Gregorian).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

} // namespace

void appendSylkText(std::string& out, std::string_view text)
{
    const std::size_t start = out.size();
    // Plain runs are copied whole; only ";" and CR LF change.
    std::size_t from = 0;
    for (std::size_t at = text.find_first_of(";\r"); at != std::string_view::npos;
         at = text.find_first_of(";\r", from)) {
        out.append(text.substr(from, at - from));
        if (text[at] == ';') {
            out += ";;";
            from = at + 1;
        } else if (at + 1 < text.size() && text[at + 1] == '\n') {
            out += kCellLineBreak;
            from = at + 2;
        } else {
            out += '\r';
            from = at + 1;
        }
    }
    out.append(text.substr(from));
    auto dropTrailingBlanks = [&out, start] {
        while (out.size() > start && static_cast<unsigned char>(out.back()) <= 32) {
            out.pop_back();
        }
    };
    dropTrailingBlanks();
    while (out.size() - start >= kCellLineBreak.size() && out.ends_with(kCellLineBreak)) {
        out.resize(out.size() - kCellLineBreak.size());
        dropTrailingBlanks();
    }
}

std::string encodeSylkText(std::string_view text)
{
    std::string out;
    appendSylkText(out, text);
    return out;
}

void appendSylkNumber(std::string& out, double value)
{
    // Whole numbers (IDs, positions, midnight day counts) are spelled out without floating point.
    if (value == static_cast<double>(static_cast<long long>(value)) && std::abs(value) < 1e15) {
        long long whole = static_cast<long long>(value);
        if (whole < 0) {
            out += '-';
            whole = -whole;
        }
        char digits[20];
        const auto end = std::to_chars(digits, digits + sizeof digits, whole).ptr;
        const auto count = static_cast<int>(end - digits);
        out += digits[0];
        out += '.';
        out.append(digits + 1, end);
        out.append(static_cast<std::size_t>(15 - count), '0');
        out += "E+";
        const int exponent = count - 1;
        out += '0';
        out += static_cast<char>('0' + exponent / 10);
        out += static_cast<char>('0' + exponent % 10);
        return;
    }
    // to_chars ignores the locale; it gives "1.23400000000000e+03".
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    if (e == std::string_view::npos || e + 2 > text.size()) {
        out += text; // not finite; the callers never pass such values
        return;
    }
    out += text.substr(0, e);
    out += 'E';
    out += text[e + 1];
    const std::string_view exponent = text.substr(e + 2);
    for (std::size_t digits = exponent.size(); digits < 3; ++digits) {
        out += '0';
    }
    out += exponent;
}

std::string sylkNumber(double value)
{
    std::string out;
    appendSylkNumber(out, value);
    return out;
}

double dayCount(const lists::ListTime& time)
{
    const std::int64_t days =
        daysFromCivil(time.year, static_cast<unsigned>(time.month), static_cast<unsigned>(time.day)) -
        daysFromCivil(1899, 12, 30);
    const int seconds = time.hour * 3600 + time.minute * 60 + time.second;
    return static_cast<double>(days) + seconds / 86400.0;
}

bool parseCellInteger(std::string_view text, long long& value)
{
    std::size_t start = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        start = 1;
    }
    if (start == text.size()) {
        return false;
    }
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    long long parsed = 0;
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    const auto result = std::from_chars(first, text.data() + text.size(), parsed);
    if (result.ec != std::errc() || parsed < std::numeric_limits<std::int32_t>::min() ||
        parsed > std::numeric_limits<std::int32_t>::max()) {
        return false;
    }
    value = parsed;
    return true;
}

} // namespace vorbix::exports
