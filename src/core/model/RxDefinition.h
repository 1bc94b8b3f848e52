#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/TDevice.h"

#include <string>
#include <vector>

// Readers of "Rx.def", the receiver models file in the program folder. Each block is:
//   1 model name, 2 Description, 3 Relays, 4 EmptyRecord, 5 ReadLayout, 6 WriteLayout,
//   7 EraseBlock (bytes), free lines, and a line that is exactly "#E".
// Failures go to `onError` as language text 80 + " - " + "PATH: REASON" when the file cannot be
// read, or language text 82 + " - Rx.def" for a format error.
// The file is read whole and closed before any of these returns.
namespace vorbix::model {

// One entry of the model list shown by the New dialog and the About box.
struct TRxArray
{
    std::string Name;
    std::string Description;
    int ItemIndex = 0; // position of the description in the shown list
};

// Login loader: fills the model part of `device` (Description, Relays, EmptyRecord,
// ErasedRecord, both layouts and EraseBlock) from the block of `model`. The whole file is
// scanned, so with two blocks for one model the later one wins. Values are stored as they are
// read, so after a format error the device holds a part of the block. Besides lines that do not
// convert, text 82 refuses the values that would drive loops and sizes out of bounds: Relays
// outside 0..8; an EmptyRecord that is not whole bytes of upper-case hexadecimal digits; layouts
// that are not exactly three characters per record digit or that do not fit each other (see
// layoutsConsistent); an EraseBlock outside 1..65536, whether or not the receiver's addresses are
// known (a block may be larger than the record memory).
// False also when no block matches (without a message).
[[nodiscard]] bool LoadDefinition(const std::string& programFolder, const std::string& model, TDevice& device,
                                  const PopisType& lang, const ErrorSink& onError);

// File loader: `device.Model` names the model on entry; the first block of that model fills
// Description to WriteLayout, with the checks of the login loader. Line 7 is not read and
// EraseBlock stays as it was. False without a message when the model is not in the file.
[[nodiscard]] bool FindModel(const std::string& programFolder, TDevice& device, const PopisType& lang,
                             const ErrorSink& onError);

// Every block's name and description, in file order. `descriptions` is the list shown to the
// user; ItemIndex is the position of the entry's description in it. Both lists are replaced.
[[nodiscard]] bool LoadModelList(const std::string& path, std::vector<TRxArray>& models,
                                 std::vector<std::string>& descriptions, const PopisType& lang,
                                 const ErrorSink& onError);

inline constexpr const char* RxDefFileName = "Rx.def";

} // namespace vorbix::model
