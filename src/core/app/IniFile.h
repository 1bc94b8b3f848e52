#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorbix::app {

// An initialisation file held as its lines, so that a write changes only the keys it writes and
// keeps every other line, section, key and comment of the file as it was.
//
// Format: "[Section]" lines open sections, "Key=Value" lines follow. Section and key names compare
// without regard to (ASCII) case. Lines that are neither are kept but never read.
class IniFile
{
public:
    IniFile() = default;
    explicit IniFile(std::string_view content);

    // Reads the file; a missing or unreadable file gives an empty one (every read yields its default).
    static IniFile load(const std::string& path);
    // The same, telling a missing file (its defaults are meant; `error` stays empty) from one that
    // exists but cannot be read (a folder, no permission, an input/output error): that gives an
    // empty file too, with "PATH: REASON" in `error`.
    static IniFile load(const std::string& path, std::string& error);

    // Writes the whole file through a temporary file. On failure `error` is
    // "Unable to write to PATH: REASON" and the old file is left untouched.
    [[nodiscard]] bool save(const std::string& path, std::string& error) const;

    // Reads the file, lets `change` alter it and writes it back, errors as save. A file that exists
    // but cannot be read is not written at all (the reason of the read follows "Unable to write to
    // "), as the write would drop every line that could not be read.
    [[nodiscard]] static bool update(const std::string& path, const std::function<void(IniFile&)>& change,
                                     std::string& error);

    std::string text() const;

    // At most 2047 characters of the value; surrounding blanks are dropped.
    std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
    // Decimal, or hexadecimal after "0x"/"0X"; anything that is not a number yields the default.
    int readInteger(std::string_view section, std::string_view key, int def) const;
    // Read as an integer: any value other than 0 is true.
    bool readBool(std::string_view section, std::string_view key, bool def) const;

    // Every "Key=Value" of a section, in file order, values as readString gives them.
    std::vector<std::pair<std::string, std::string>> sectionValues(std::string_view section) const;

    bool sectionExists(std::string_view section) const;
    bool valueExists(std::string_view section, std::string_view key) const;

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    void deleteKey(std::string_view section, std::string_view key);
    void eraseSection(std::string_view section);

private:
    struct SectionRange
    {
        std::size_t header = 0; // index of the "[...]" line
        std::size_t end = 0;    // one past the section's last line
    };

    bool findSection(std::string_view section, SectionRange& range) const;
    // Index of the key's line inside the section, or npos.
    std::size_t findKey(const SectionRange& range, std::string_view key) const;
    const std::string* findValueLine(std::string_view section, std::string_view key) const;

    std::vector<std::string> m_lines;
};

} // namespace vorbix::app
