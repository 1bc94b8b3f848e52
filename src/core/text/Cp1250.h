#pragma once

#include <string>
#include <string_view>

// The program's files and the receiver hold 8-bit text in code page 1250; the core keeps it that
// way. These two conversions are the only crossing to Unicode, used at the user-interface boundary.
namespace vorbix::cp1250 {

// Every byte has a code point: the five bytes that the code page leaves undefined map to the C1
// control characters of the same value, so the round trip through UTF-8 loses nothing.
std::string toUtf8(std::string_view cp1250Text);

// Characters that code page 1250 cannot hold, and malformed UTF-8 sequences, become '?'.
std::string fromUtf8(std::string_view utf8Text);

} // namespace vorbix::cp1250
