#pragma once

#include "core/base/LanguageTable.h"

#include <string>
#include <string_view>

namespace vorbix::app {

// Number of texts the program uses (0..kLanguageTextCount-1), the count of the shipped language
// file. A language file must give at least this count, or every text above it would be empty.
constexpr int kLanguageTextCount = 310;

// Loads ProgramFolder/<code>.lng into `table`.
//
// Line 1: the first three characters hold the entry count. Every further line: a three-character
// entry number, one separator character, then the text from the fifth character (empty when the
// line is four characters or shorter). Later lines win. The table takes the count as its length;
// entries the file does not set keep the text they had (empty when new).
//
// Failures, with `error` set and the table left as far as it was filled:
// - the file cannot be opened: code + " languge file can not be open! - " + "PATH: REASON"
// - a count below kLanguageTextCount: "Wrong language file format! - PATH: " + the count +
//   " texts, " + kLanguageTextCount + " needed"; the table is left unchanged
// - a count or entry number that is not a number, an empty line anywhere, or an entry number
//   outside 0..count-1: "Wrong language file format!"
[[nodiscard]] bool LoadLanguage(const std::string& programFolder, const std::string& code, PopisType& table,
                                std::string& error);

// The same on file content already in memory (for tests and fuzzing), with any count.
[[nodiscard]] bool ParseLanguage(std::string_view content, PopisType& table, std::string& error);

// The help contents page of a language: Help/VORBIX<code>/index.html when that exists, else the
// US help (whose existence is not tested).
std::string HelpFileFor(const std::string& programFolder, const std::string& code);

// The receiver-function definition file's name for a language: "RxFnc" + code + ".def" when it
// exists in the program folder, else "RxFncUS.def".
std::string DefinitionFileFor(const std::string& programFolder, const std::string& code);

} // namespace vorbix::app
