#include "core/app/IniFile.h"

#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"

#include <cerrno>
#include <charconv>
#include <limits>
#include <sys/stat.h>

namespace vorbix::app {
namespace {

constexpr std::size_t kMaxStringValue = 2047;

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z') {
            x = static_cast<char>(x - 'a' + 'A');
        }
        if (y >= 'a' && y <= 'z') {
            y = static_cast<char>(y - 'a' + 'A');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

// The name of a "[Section]" line, or false when the line is not one.
bool sectionName(std::string_view line, std::string_view& name)
{
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[') {
        return false;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return false;
    }
    name = trimmed(line.substr(1, close - 1));
    return true;
}

bool keyOf(std::string_view line, std::string_view& key)
{
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) {
        return false;
    }
    key = trimmed(line.substr(0, eq));
    return !key.empty();
}

bool parseInteger(std::string_view text, int& value)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return false;
    }
    long long parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed, base);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return false;
    }
    if (negative) {
        parsed = -parsed;
    }
    if (parsed < std::numeric_limits<int>::min() || parsed > std::numeric_limits<unsigned>::max()) {
        return false;
    }
    // Hexadecimal values above 0x7FFFFFFF wrap as 32-bit integers do.
    value = static_cast<int>(static_cast<unsigned>(parsed));
    return true;
}

} // namespace

IniFile::IniFile(std::string_view content) : m_lines(text::splitLines(content)) {}

IniFile IniFile::load(const std::string& path)
{
    std::string error;
    return load(path, error);
}

IniFile IniFile::load(const std::string& path, std::string& error)
{
    std::string content;
    if (!text::readFile(path, content, error)) {
        struct stat st
        {
        };
        if (::stat(path.c_str(), &st) != 0 && errno == ENOENT) {
            error.clear();
        }
        return {};
    }
    return IniFile(content);
}

bool IniFile::save(const std::string& path, std::string& error) const
{
    std::string detail;
    if (!text::writeFileAtomically(path, text(), detail)) {
        error = "Unable to write to " + detail;
        return false;
    }
    error.clear();
    return true;
}

bool IniFile::update(const std::string& path, const std::function<void(IniFile&)>& change, std::string& error)
{
    std::string readError;
    IniFile ini = load(path, readError);
    if (!readError.empty()) {
        error = "Unable to write to " + readError;
        return false;
    }
    change(ini);
    return ini.save(path, error);
}

std::string IniFile::text() const
{
    return text::joinLinesCrLf(m_lines);
}

bool IniFile::findSection(std::string_view section, SectionRange& range) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        std::string_view name;
        if (!sectionName(m_lines[i], name) || !equalNoCase(name, section)) {
            continue;
        }
        range.header = i;
        range.end = i + 1;
        while (range.end < m_lines.size() && !sectionName(m_lines[range.end], name)) {
            ++range.end;
        }
        return true;
    }
    return false;
}

std::size_t IniFile::findKey(const SectionRange& range, std::string_view key) const
{
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        std::string_view k;
        if (keyOf(m_lines[i], k) && equalNoCase(k, key)) {
            return i;
        }
    }
    return std::string::npos;
}

const std::string* IniFile::findValueLine(std::string_view section, std::string_view key) const
{
    SectionRange range;
    if (!findSection(section, range)) {
        return nullptr;
    }
    const std::size_t i = findKey(range, key);
    return i == std::string::npos ? nullptr : &m_lines[i];
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view def) const
{
    const std::string* line = findValueLine(section, key);
    if (line == nullptr) {
        return std::string(def.substr(0, kMaxStringValue));
    }
    const std::string_view value = trimmed(std::string_view(*line).substr(line->find('=') + 1));
    return std::string(value.substr(0, kMaxStringValue));
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def) const
{
    const std::string* line = findValueLine(section, key);
    int value = def;
    if (line == nullptr || !parseInteger(std::string_view(*line).substr(line->find('=') + 1), value)) {
        return def;
    }
    return value;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

std::vector<std::pair<std::string, std::string>> IniFile::sectionValues(std::string_view section) const
{
    std::vector<std::pair<std::string, std::string>> values;
    SectionRange range;
    if (!findSection(section, range)) {
        return values;
    }
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        std::string_view key;
        if (keyOf(m_lines[i], key)) {
            const std::string_view value = trimmed(std::string_view(m_lines[i]).substr(m_lines[i].find('=') + 1));
            values.emplace_back(std::string(key), std::string(value.substr(0, kMaxStringValue)));
        }
    }
    return values;
}

bool IniFile::sectionExists(std::string_view section) const
{
    SectionRange range;
    return findSection(section, range);
}

bool IniFile::valueExists(std::string_view section, std::string_view key) const
{
    return findValueLine(section, key) != nullptr;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    std::string line = std::string(key) + "=" + std::string(value);
    SectionRange range;
    if (!findSection(section, range)) {
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(std::move(line));
        return;
    }
    const std::size_t i = findKey(range, key);
    if (i != std::string::npos) {
        m_lines[i] = std::move(line);
        return;
    }
    // After the section's last non-empty line, so a blank line before the next section stays there.
    std::size_t at = range.end;
    while (at > range.header + 1 && trimmed(m_lines[at - 1]).empty()) {
        --at;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

void IniFile::deleteKey(std::string_view section, std::string_view key)
{
    SectionRange range;
    if (!findSection(section, range)) {
        return;
    }
    const std::size_t i = findKey(range, key);
    if (i != std::string::npos) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void IniFile::eraseSection(std::string_view section)
{
    SectionRange range;
    while (findSection(section, range)) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(range.header),
                      m_lines.begin() + static_cast<std::ptrdiff_t>(range.end));
    }
}

} // namespace vorbix::app
