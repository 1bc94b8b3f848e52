#pragma once

#include "core/base/LanguageTable.h"

#include <string>
#include <string_view>
#include <vector>

// A CSV file as spreadsheets write it: records of fields separated by "," (or ";", as spreadsheets
// set to a Czech locale write), fields in double quotes where they hold separators, quotes (doubled)
// or line breaks.
namespace vorbix::csv {

enum class Encoding
{
    Utf8,   // the file is valid UTF-8 (a byte order mark is dropped)
    Cp1250, // anything else is taken as code page 1250
};

// "UTF-8" or "code page 1250", as the report names the encoding used.
const char* encodingName(Encoding encoding);

struct Record
{
    int line = 0; // the file's line where the record begins, from 1
    std::vector<std::string> fields;
};

struct Content
{
    Encoding encoding = Encoding::Utf8;
    char separator = ',';
    std::vector<Record> records; // blank lines left out; fields in code page 1250
};

// Reads the bytes of a CSV file. False with the reason in `error` for an empty file, a file with
// NUL bytes (not a text file) and a quote not closed by the end of the file; `content` is then
// empty. The reason is in the language of `lang` when one is given, else in English.
[[nodiscard]] bool parse(std::string_view bytes, Content& content, std::string& error, const PopisType* lang = nullptr);

// Whether the bytes are UTF-8 as a text file holds it: no overlong forms, no surrogates, nothing
// beyond U+10FFFF.
bool isValidUtf8(std::string_view bytes);

} // namespace vorbix::csv
