#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vorbix {

// The language table: entry N is "language text N" of the current language, in code page 1250.
using PopisType = std::vector<std::string>;

// Text N of the table; an empty text when N is beyond the table, so a short language file can
// never make the program read outside it.
inline const std::string& LangText(const PopisType& table, int n)
{
    static const std::string empty;
    return n >= 0 && static_cast<std::size_t>(n) < table.size() ? table[static_cast<std::size_t>(n)] : empty;
}

// An empty table, for windows that are shown before they are given the real one.
inline const PopisType& NoTexts()
{
    static const PopisType empty;
    return empty;
}

// Where the core reports a failure for the user: the windows show an error box with the caption
// "Vorbix", the command-line tools print to stderr. The core itself never shows anything.
using ErrorSink = std::function<void(const std::string& message)>;

} // namespace vorbix
