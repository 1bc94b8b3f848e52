#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/TData.h"
#include "core/model/TDevice.h"

#include <string>
#include <string_view>

// The record memory as the program holds it: the memory image is upper-case hex text, two
// digits per byte, first byte at MemStart; with L = device.recordLength(), slot k is characters
// (k-1)*L+1 to k*L. The record table has RecordCount + 1 entries, entry k being slot k.
// Nothing here needs a window or a receiver.
namespace vorbix::model {

// Builds the table from `image` with the read layout: every slot's Raw, Position, Empty and six
// fields, the user part reset (and User 1 from E for the models that keep it there). Sets
// device.UsedCount: RecordCount, or the slot before the last change from a used to an erased
// slot (0 when slot 1 is erased). An image longer than RecordCount records is fine, the rest is
// ignored. False, with table and UsedCount untouched, when a read layout item does not convert
// or the image is shorter than RecordCount records.
[[nodiscard]] bool DecodeMemory(TDevice& device, std::string_view image, RecordTable& records);

// Compacts the used area (non-empty records of slots 1..UsedCount move to the front in their
// order), clears the rest, and builds the image of all RecordCount slots with the write layout.
// With EraseBlock 2048 UsedCount becomes the number of records kept and the slots after it are
// written erased; with any other value every slot is written. Each built record becomes the
// slot's Raw. False when a record cannot be built to L digits or the table is too short; then
// `uploadImage` is emptied so that no half image can be used.
[[nodiscard]] bool EncodeMemory(TDevice& device, RecordTable& records, std::string& uploadImage);

// Makes a slot empty: Raw = EmptyRecord, each field as many "0" as it has characters, user part
// reset. Position stays.
void ClearRecord(const TDevice& device, TData& record);

// A table of RecordCount empty slots for a new data set; UsedCount = RecordCount.
void NewRecords(TDevice& device, RecordTable& records);

// Text from byte pairs, safe to keep in a data file: "00", "FF", control characters (below 20
// hex), "#" and pairs that are not hex digits give a blank, other pairs the code-page-1250
// character of that code; a lone last digit is ignored and trailing blanks are cut.
std::string HexToText(std::string_view hex);

// The same for the receiver password, which never goes into a data file and may hold a "#" the
// user chose.
std::string HexToPasswordText(std::string_view hex);

// The first empty slot for a new record, from 1; when it lies at or beyond UsedCount, the used
// area grows by one and the next slot (if any) is marked erased. False, with language text 94
// to `onError` and nothing changed, when every slot is in use.
[[nodiscard]] bool TakeFirstFreeSlot(TDevice& device, RecordTable& records, int& slot, const PopisType& lang,
                                     const ErrorSink& onError);

// The first slot (from 1) whose Serial equals `serial` exactly; 0 when there is none.
int FindBySerial(const RecordTable& records, std::string_view serial);

// A user text must not hold "#" (it separates the texts in a data file) nor a line end.
bool UserTextAllowed(std::string_view text);

} // namespace vorbix::model
