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
    "Contents",                             // 310: help window
    "Back",                                 // 311
    "Forward",                              // 312
    "Help",                                 // 313: help window caption, after "Vorbix - "
    "Show",                                 // 314: setup, accounts: show the password being typed
    "unchanged",                            // 315: setup, accounts: the password field of a stored account
    "Excel workbook (*.xlsx)",              // 316: File > Export: save dialog filter, the workbook
    "CSV, UTF-8 (*.csv)",                   // 317: File > Export: save dialog filter, the CSV file
    "Excel files (*.xls)",                  // 318: File > Export: save dialog filter, the SYLK file
    "All files (*)",                        // 319: File dialogs: the filter that shows every file
    "Import records from a CSV file ...",   // 320: File menu: import records from a CSV file
    "CSV files (*.csv)",                    // 321: File > Import records: open dialog filter
    "Import records",                       // 322: Import report: window caption
    "Encoding of the file:",                // 323: Import report: the encoding detected, followed by its name
    "code page 1250",                       // 324: Import report: the encoding name for code page 1250
    "Rows to add:",                         // 325: Import report: count
    "Rows to change:",                      // 326: Import report: count
    "Rows without a change:",               // 327: Import report: count
    "Rows refused:",                        // 328: Import report: count
    "Columns ignored:",                     // 329: Import report: titles the file view has no column for
    "Line",                                 // 330: Import report: table column, the line of the file
    "Result",                               // 331: Import report: table column, what the row does
    "new record",                           // 332: Import report: the row adds a record
    "changes the record",                   // 333: Import report: the row changes a record
    "refused:",                             // 334: Import report: the row is refused, followed by the reason
    "No row of the file changes anything.", // 335: Import report: nothing to apply
    "The file cannot be imported:",         // 336: Import: the file cannot be used, followed by the reason
    "Changes the upload makes",             // 337: Upload: the changes window's caption
    "Records added:",                       // 338: Upload changes: count
    "Records removed:",                     // 339: Upload changes: count
    "Records changed:",                     // 340: Upload changes: count
    "The receiver already holds this memory; the upload changes nothing.", // 341: Upload changes: identical memory
    "Transmitter",                       // 342: Upload changes: table column, serial number and button
    "Change",                            // 343: Upload changes: table column, added, removed or changed
    "Field",                             // 344: Upload changes: table column, the field that changes
    "In the receiver",                   // 345: Upload changes: table column, the receiver's value now
    "After the upload",                  // 346: Upload changes: table column, the value uploaded
    "added",                             // 347: Upload changes: a record only in the upload
    "removed",                           // 348: Upload changes: a record only in the receiver
    "changed",                           // 349: Upload changes: a record with changed fields
    "Show the changes before an upload", // 350: Application setup: ask with the changes before every upload
    "Silence",                           // 351: Communication menu and monitor mode: stop the alarm sound
    "The link to the receiver is lost; no alarm can arrive",   // 352: monitor mode: the link-lost alarm
    "The link to the receiver is restored",                    // 353: monitor mode: the journal's link-restored
    "a text may not hold a line break or a control character", // 354: Import: a user text with a line break or control
                                                               // character
    "the receiver keeps only %1 characters", // 355: Import: a user text longer than the receiver keeps; %1 the count
    "\"%1\" is not a whole number",          // 356: Import: the ID column; %1 the cell
    "\"%1\" is not a transmitter type",      // 357: Import: the type column; %1 the cell
    "\"%1\" is not a button code",           // 358: Import: the button column; %1 the cell
    "\"%1\" is not a button code of the transmitter type", // 359: Import: a button the transmitter type lacks; %1 the
                                                           // cell
    "\"%1\" is not a function of this receiver",           // 360: Import: a function column; %1 the cell
    "\"%1\" is not a time (m:ss,mmm)",                     // 361: Import: a time column; %1 the cell
    "\"%1\" names a channel this receiver lacks",          // 362: Import: the channels column; %1 the cell
    "this receiver has no relay %1", // 363: Import: a relay column beyond the model's relays; %1 the relay
    "the record would keep \"%1\"",  // 364: Import: a function the record cannot keep as given; %1 what it keeps
    "the record would keep \"%1\" (one function stands for all relays)", // 365: Import: the same for a relay's function
                                                                         // column
    "the file holds no title row",                                       // 366: Import: a file without rows
    "the title row names no column of the file view", // 367: Import: a title row without a known column
    "the row has %1 fields, the title row %2",        // 368: Import: a row longer than the title row
    "\"%1\" is not a slot (1 to %2)",                 // 369: Import: the position column; %1 the cell, %2 the last slot
    "slot %1 is already given by line %2",            // 370: Import: two rows for one slot
    "a new record needs a serial number",             // 371: Import: a new record without a serial number
    "the file is not a text file (it holds NUL bytes)",      // 372: Import: a binary file
    "line %1: a quote is not closed by the end of the file", // 373: Import: a quote left open; %1 the line
    "the file is empty",                                     // 374: Import: an empty file
    "Undo",                                        // 375: Edit menu: undo (alone when there is nothing to undo)
    "Redo",                                        // 376: Edit menu: redo
    "Undo %1",                                     // 377: Edit menu: undo the named step (%1: the command, e.g. Edit)
    "Redo %1",                                     // 378: Edit menu: redo the named step (%1: the command)
    "Print preview ...",                           // 379: File menu: print preview
    "Export to PDF ...",                           // 380: File menu: print into a PDF file
    "PDF files (*.pdf)",                           // 381: save dialog of Export to PDF: file type
    "The printer cannot be started.",              // 382: error: the print job could not begin
    "Link lost",                                   // 383: status bar: the on-line link broke
    "Link lost - reconnecting (%1)",               // 384: status bar: reconnect attempt %1
    "The logger program could not be started: %1", // 385: error: the logger program failed to start (%1: its path)
    "The logger program was not found: %1",        // 386: error: no logger program (%1: its path)
    "Receiver 1 relay with name memory", // 387: receiver description of KV1MOD-T (About box, status bar, New, Login)
    "Receiver 1 relay with name memory, page erase",  // 388: receiver description of KVPMOD-T
    "Receiver 8 relays with name memory",             // 389: receiver description of KV8MOD-T
    "Receiver 4 relays, own function time per relay", // 390: receiver description of KV4MUL-M
    "Receiver 2 relays, compact memory",              // 391: receiver description of KV2MIN-S
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
