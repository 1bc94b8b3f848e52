#pragma once

#include "core/base/LanguageTable.h"

#include <array>
#include <string>
#include <vector>

// Transmitter types, read from "Tx.def" in the program folder. Blocks follow each other to the
// end of the file, without end marks:
//   name / kind line: "B" (buttons) or another character (inputs), a digit Count, two prefix
//   characters / for a button type four lines "V"-or-not, top (2 digits), left (2 digits), value /
//   for an input type Count lines: code (2 digits), a separator, the input name.
namespace vorbix::model {

struct TInput
{
    std::string Name;
    int Code = 0; // equals the record's button code when this input is the selected one
};

struct TTxButton
{
    bool Visible = false;
    int Top = 0;  // pixels inside the button group
    int Left = 0; // pixels inside the button group
    int Value = 0;
};

struct TTx
{
    std::string Name;
    bool HasButtons = false;
    int Count = 0;
    std::string Prefix; // first two characters of every serial number of the type
    std::array<TTxButton, 4> Buttons;
    std::vector<TInput> Inputs;
};

// Replaces `types` by the types of Folder/"Tx.def". Errors: text 80 + " - " + "PATH: REASON" when
// the file cannot be read, 82 + " - Tx.def" when a number does not convert or a kind or button line is
// empty or cut short (also an empty line after the last block, as it starts a further type);
// the complete types read before the error stay in the list.
[[nodiscard]] bool LoadTxTypes(const std::string& programFolder, std::vector<TTx>& types, const PopisType& lang,
                               const ErrorSink& onError);

inline constexpr const char* TxDefFileName = "Tx.def";

} // namespace vorbix::model
