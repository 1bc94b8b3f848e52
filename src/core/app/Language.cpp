#include "core/app/Language.h"

#include "core/text/TextFile.h"

namespace vorbix::app {
namespace {

constexpr const char* kWrongFormat = "Wrong language file format!";

// The number in the first three characters; blanks pad it on either side.
bool leadingNumber(std::string_view line, int& value)
{
    std::string_view field = line.substr(0, 3);
    while (!field.empty() && field.front() == ' ') {
        field.remove_prefix(1);
    }
    while (!field.empty() && field.back() == ' ') {
        field.remove_suffix(1);
    }
    if (field.empty()) {
        return false;
    }
    value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return true;
}

// The count of the first line, when it is a number.
bool declaredCount(std::string_view content, int& count)
{
    std::string_view first = content.substr(0, content.find('\n'));
    if (!first.empty() && first.back() == '\r') {
        first.remove_suffix(1);
    }
    return leadingNumber(first, count);
}

} // namespace

bool ParseLanguage(std::string_view content, PopisType& table, std::string& error)
{
    const auto lines = text::splitLines(content);
    int count = 0;
    if (lines.empty() || !leadingNumber(lines.front(), count)) {
        error = kWrongFormat;
        return false;
    }
    table.resize(static_cast<std::size_t>(count));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        int n = 0;
        // An entry outside the table would be lost or worse; the file is refused instead.
        if (!leadingNumber(line, n) || n >= count) {
            error = kWrongFormat;
            return false;
        }
        table[static_cast<std::size_t>(n)] = line.size() > 4 ? line.substr(4) : std::string();
    }
    error.clear();
    return true;
}

bool LoadLanguage(const std::string& programFolder, const std::string& code, PopisType& table, std::string& error)
{
    const std::string path = text::joinPath(programFolder, code + ".lng");
    std::string content;
    std::string reason;
    if (!text::readFile(path, content, reason)) {
        error = code + " languge file can not be open! - " + reason;
        return false;
    }
    int count = 0;
    if (declaredCount(content, count) && count < kLanguageTextCount) {
        error = std::string(kWrongFormat) + " - " + path + ": " + std::to_string(count) + " texts, " +
                std::to_string(kLanguageTextCount) + " needed";
        return false;
    }
    if (!ParseLanguage(content, table, error)) {
        return false;
    }
    if (table.size() < static_cast<std::size_t>(kAllTextCount)) {
        table.resize(static_cast<std::size_t>(kAllTextCount));
    }
    for (int n = kLanguageTextCount; n < kAllTextCount; ++n) {
        std::string& text = table[static_cast<std::size_t>(n)];
        if (text.empty()) {
            text = kAddedTexts[n - kLanguageTextCount];
        }
    }
    return true;
}

std::string HelpFileFor(const std::string& programFolder, const std::string& code)
{
    const std::string own = text::joinPath(programFolder, "Help/VORBIX" + code + "/index.html");
    if (text::fileExists(own)) {
        return own;
    }
    return text::joinPath(programFolder, "Help/VORBIXUS/index.html");
}

std::string DefinitionFileFor(const std::string& programFolder, const std::string& code)
{
    const std::string own = "RxFnc" + code + ".def";
    return text::fileExists(text::joinPath(programFolder, own)) ? own : std::string("RxFncUS.def");
}

} // namespace vorbix::app
