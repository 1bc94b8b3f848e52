#pragma once

#include "core/lists/ListRecords.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Reading and writing the list files, shared by the history and the low-battery list.
namespace vorbix::lists {

// The lines of `content` through `parseLine` (false: the line does not read, it is left out and
// counted); empty lines skipped.
template <typename Rec>
ListLoad parseListLines(std::string_view content, std::vector<Rec>& records,
                        const std::function<bool(std::string_view, Rec&)>& parseLine);

// Reads a file into `content`; false, with the load's error, when it cannot be read (`missing`
// when there is no file at all).
bool readListFile(const std::string& path, std::string& content, ListLoad& load);

// Writes through a temporary file; false with "PATH: REASON".
[[nodiscard]] bool writeListFile(const std::string& path, const std::string& content, std::string& error);

// A line needs at least its transmitter code and the field after it: a line without "#" (any text
// put in place of a list file) has no fields, and reading it as an empty entry would let the next
// save rewrite the file as blank entries.
inline constexpr std::size_t kMinimumListFields = 2;

// A decimal field; 0 when it is not a decimal integer.
int decimalField(const std::string& text);

} // namespace vorbix::lists

#include "core/text/TextFile.h"

template <typename Rec>
vorbix::lists::ListLoad vorbix::lists::parseListLines(std::string_view content, std::vector<Rec>& records,
                                                      const std::function<bool(std::string_view, Rec&)>& parseLine)
{
    ListLoad load;
    load.opened = true;
    records.clear();
    for (const std::string& line : text::splitLines(content)) {
        if (line.empty()) {
            continue;
        }
        Rec rec;
        if (!parseLine(line, rec)) {
            if (load.skippedLines++ == 0) {
                load.firstSkipped = line;
            }
            continue;
        }
        records.push_back(std::move(rec));
    }
    return load;
}
