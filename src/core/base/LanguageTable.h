#pragma once

#include <functional>
#include <initializer_list>
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

// Text N with "%1", "%2" ... replaced by the values in order. The texts that name something (a
// step, a path, a count) carry the places of the names, as languages put them in different
// places. A value whose place the text lacks (a language file that lost it) follows after a space,
// so no value is ever lost; a value's own "%" is not read again.
inline std::string LangFill(const PopisType& table, int n, std::initializer_list<std::string> values)
{
    const std::string& pattern = LangText(table, n);
    std::string text;
    std::vector<bool> used(values.size(), false);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto k = static_cast<std::size_t>(next - '1');
            if (k < values.size()) {
                text += values.begin()[k];
                used[k] = true;
            }
            ++i;
        } else {
            text += pattern[i];
        }
    }
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (!used[k]) {
            text += (text.empty() ? "" : " ") + values.begin()[k];
        }
    }
    return text;
}

// Text N with "%1" replaced by `arg` (see LangFill).
inline std::string LangTextWith(const PopisType& table, int n, const std::string& arg)
{
    return LangFill(table, n, {arg});
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
