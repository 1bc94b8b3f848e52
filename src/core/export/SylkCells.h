#pragma once

#include "core/lists/ListTime.h"

#include <string>
#include <string_view>

// The pieces of a SYLK cell record: the text encoding, the numbers and the day counts.
namespace vorbix::exports {

// A text cell's value between its quotes: ";" doubled, CR LF as the three bytes 1B 20 3A (the
// spreadsheet's line break inside a cell), trailing blanks, control characters and line breaks
// dropped. Other bytes are kept as they are (code page 1250).
std::string encodeSylkText(std::string_view text);

// One digit, ".", 14 digits, "E", the exponent's sign and at least three digits:
// 1234 -> "1.23400000000000E+003". Always "." whatever the locale.
std::string sylkNumber(double value);

// The same two, appended to `out` (the writer's way, without temporary strings).
void appendSylkText(std::string& out, std::string_view text);
void appendSylkNumber(std::string& out, double value);

// Days since 30 December 1899, the time of day as the fraction.
double dayCount(const lists::ListTime& time);

// The whole text as a decimal integer that fits in 32 bits (an optional sign, then digits only);
// false for anything else.
[[nodiscard]] bool parseCellInteger(std::string_view text, long long& value);

} // namespace vorbix::exports
