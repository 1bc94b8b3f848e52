#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/TData.h"
#include "core/model/TDevice.h"

#include <string>
#include <string_view>
#include <vector>

// Receiver data files (*.rxd), 8-bit code-page-1250 text with CR LF line ends:
//   1 model name
//   2 RecordCount, decimal
//   3 the memory image, RecordCount x L hex digits
//   then per slot k = 1..RecordCount two lines:
//   A k left-aligned in four characters, ID "#" User1 "#" User2 "#" User3 "#" User4 "#"
//   B Prefix " " TxType
// Backups have the same format.
namespace vorbix::model {

// The four-character slot field of line A: "9   ", "10  ", "100 ", "1000".
std::string slotField(int slot);

// The file's text for a table that has just been encoded into `image`.
std::string formatDataFile(const TDevice& device, const RecordTable& records, const std::string& image);

// Encodes the records (which compacts them, so the views must be rebuilt) and writes the data
// set through the atomic writer. Refused, with nothing written, when the encode fails (language
// text 82 + " - Rx.def", the model's layouts being at fault); text 80 + " - " + the writer's
// path and reason when the file cannot be written. `uploadImage` receives the encoded image.
[[nodiscard]] bool SaveDataFile(const std::string& path, TDevice& device, RecordTable& records,
                                std::string& uploadImage, const PopisType& lang, const ErrorSink& onError);

// A data file as read.
struct LoadedDataFile
{
    TDevice Device;          // the device in force, its UsedCount set by the decode
    std::string MemoryImage; // line 3, padded with EmptyRecord up to Device.RecordCount slots
    RecordTable Records;     // decoded, with ID, user texts, type and prefix from the file
    int FileRecordCount = 0; // line 2
    // Format warnings of a file that was read all the same (record lines that do not convert):
    // at most one, language text 82.
    std::vector<std::string> Warnings;
};

// Reads a data file without touching any program state; `programFolder` holds "Rx.def".
// Without a receiver (`receiver` null) the device in force is the file's model from "Rx.def"
// (FindModel) with RecordCount from line 2 and EraseBlock and addresses 0, as opening a file while
// logged out and importing need it. With a receiver, the file must be of its model (text 86) and
// fit its RecordCount (text 87); the receiver's device is the device in force and shorter files
// are padded with empty records.
// Texts: 80 + " - " + path and reason when the file cannot be read, 85 the model is not in
// "Rx.def", 82 a bad count line, 81 a memory line that is not count x L long, 82 + " - " + path a
// memory line that holds anything but upper-case hex digits. On any of these nothing is read.
// Record lines that do not convert give one warning, text 82, in result.Warnings and to
// `onWarning` (to `onError` when no warning sink is given), and reading goes on; pieces after the
// fifth "#" of a line A are ignored. False without a message when the image does not decode.
//
// A tool that emulates a receiver fills its memory like this: a TDevice with Model and
// RecordCount set and the rest from LoadDefinition, passed as `receiver`; result.MemoryImage
// then holds RecordCount records of that model.
[[nodiscard]] bool ReadDataFile(const std::string& path, const std::string& programFolder, const TDevice* receiver,
                                LoadedDataFile& result, const PopisType& lang, const ErrorSink& onError,
                                const ErrorSink& onWarning = {});

// ReadDataFile on content already read; `path` names the file in messages.
[[nodiscard]] bool ParseDataFile(std::string_view content, const std::string& path, const std::string& programFolder,
                                 const TDevice* receiver, LoadedDataFile& result, const PopisType& lang,
                                 const ErrorSink& onError, const ErrorSink& onWarning = {});

// Copies ID, user texts, type and prefix from `source` into the slots of `records` whose Raw
// characters 3 to 8 equal those of a source entry. Only empty fields are filled (ID 0, empty
// text, type "-", prefix "x0"), so the first matching entry wins.
void MergeComments(const RecordTable& source, RecordTable& records);

// Reads `path` as a data file of its own model (no login rules) and merges its comments into
// `records`. The read's texts apply; a file that does not decode ends the import silently.
[[nodiscard]] bool ImportComments(const std::string& path, const std::string& programFolder, RecordTable& records,
                                  const PopisType& lang, const ErrorSink& onError);

} // namespace vorbix::model
