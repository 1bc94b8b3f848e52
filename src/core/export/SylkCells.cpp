#include "core/export/SylkCells.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace vorbix::exports {

namespace {

constexpr std::string_view kCellLineBreak = "\x1B\x20\x3A";

void dropTrailingBlanks(std::string& text)
{
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) {
        text.pop_back();
    }
}

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

std::string encodeSylkText(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ';') {
            out += ";;";
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += kCellLineBreak;
            ++i;
        } else {
            out += c;
        }
    }
    dropTrailingBlanks(out);
    while (out.size() >= kCellLineBreak.size() && out.ends_with(kCellLineBreak)) {
        out.resize(out.size() - kCellLineBreak.size());
        dropTrailingBlanks(out);
    }
    return out;
}

std::string sylkNumber(double value)
{
    // to_chars ignores the locale; it gives "1.23400000000000e+03".
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    if (e == std::string::npos || e + 2 > text.size()) {
        return text; // not finite; the callers never pass such values
    }
    std::string exponent = text.substr(e + 2);
    while (exponent.size() < 3) {
        exponent.insert(exponent.begin(), '0');
    }
    return text.substr(0, e) + "E" + text[e + 1] + exponent;
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
