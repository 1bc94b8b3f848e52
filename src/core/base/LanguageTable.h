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

// Text N with "%1" replaced by `arg`: the texts that name something (a step, a path, an attempt)
// carry the place of the name, as languages put it in different places. A text without "%1" (a
// language file that lost it) gets the name after a space, so the name is never lost.
inline std::string LangTextWith(const PopisType& table, int n, const std::string& arg)
{
    std::string text = LangText(table, n);
    const std::size_t at = text.find("%1");
    if (at == std::string::npos) {
        return text.empty() ? arg : text + ' ' + arg;
    }
    return text.replace(at, 2, arg);
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
