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
// when there is no file at all). `read` tells whether the list may be written from now on: its file
// was read, or there is none yet. A list whose file is there but was never read must not be written
// over it: that would lose every entry.
bool readListFile(const std::string& path, std::string& content, ListLoad& load, bool& read);

// Writes through a temporary file; false with "PATH: REASON". Refused while the list was not `read`
// and its file is a regular file; a written list counts as read from then on.
[[nodiscard]] bool writeListFile(const std::string& path, const std::string& content, bool& read, std::string& error);

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
