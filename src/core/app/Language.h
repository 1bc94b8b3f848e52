#pragma once

#include <iterator>

#include "core/base/LanguageTable.h"

#include <string>
#include <string_view>

namespace vorbix::app {

// Number of texts every language file must give (0..kLanguageTextCount-1), or every text above it
// would be empty.
constexpr int kLanguageTextCount = 310;

// The texts this program added after those (window captions the first versions had in English
// only), from kLanguageTextCount on, with their English wording. The shipped files give them; an
// older language file that lacks them still loads, and each missing one reads in English.
inline constexpr const char* kAddedTexts[] = {
    "Contents",                                    // 310: help window
    "Back",                                        // 311
    "Forward",                                     // 312
    "Help",                                        // 313: help window caption, after "Vorbix - "
    "Show",                                        // 314: setup, accounts: show the password being typed
    "unchanged",                                   // 315: setup, accounts: the password field of a stored account
    "Undo",                                        // 316: Edit menu: undo (alone when there is nothing to undo)
    "Redo",                                        // 317: Edit menu: redo
    "Undo %1",                                     // 318: Edit menu: undo the named step (%1: the command, e.g. Edit)
    "Redo %1",                                     // 319: Edit menu: redo the named step (%1: the command)
    "Print preview ...",                           // 320: File menu: print preview
    "Export to PDF ...",                           // 321: File menu: print into a PDF file
    "PDF files (*.pdf)",                           // 322: save dialog of Export to PDF: file type
    "The printer cannot be started.",              // 323: error: the print job could not begin
    "Link lost",                                   // 324: status bar: the on-line link broke
    "Link lost - reconnecting (%1)",               // 325: status bar: reconnect attempt %1
    "The logger program could not be started: %1", // 326: error: the logger program failed to start (%1: its path)
    "The logger program was not found: %1",        // 327: error: no logger program (%1: its path)
    "Receiver 1 relay with name memory", // 328: receiver description of KV1MOD-T (About box, status bar, New, Login)
    "Receiver 1 relay with name memory, page erase",  // 329: receiver description of KVPMOD-T
    "Receiver 8 relays with name memory",             // 330: receiver description of KV8MOD-T
    "Receiver 4 relays, own function time per relay", // 331: receiver description of KV4MUL-M
    "Receiver 2 relays, compact memory",              // 332: receiver description of KV2MIN-S
};
constexpr int kAllTextCount = kLanguageTextCount + static_cast<int>(std::size(kAddedTexts));

// Loads ProgramFolder/<code>.lng into `table`.
//
// Line 1: the first three characters hold the entry count. Every further line: a three-character
// entry number, one separator character, then the text from the fifth character (empty when the
// line is four characters or shorter). Later lines win. The table takes the count as its length;
// entries the file does not set keep the text they had (empty when new).
//
// Failures, with `error` set and the table left as far as it was filled:
// - the file cannot be opened: code + " languge file can not be open! - " + "PATH: REASON"
// The added texts a file does not give are filled in English.
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
