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
    std::string content;
    std::string reason;
    if (!text::readFile(text::joinPath(programFolder, code + ".lng"), content, reason)) {
        error = code + " languge file can not be open! - " + reason;
        return false;
    }
    return ParseLanguage(content, table, error);
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
