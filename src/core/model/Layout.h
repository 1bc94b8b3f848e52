#pragma once

#include <array>
#include <string_view>

// The record layouts of "Rx.def": one Lnn item per record digit, saying which field and which
// position of the field the digit belongs to.
namespace vorbix::model {

// Length of each field (index as in FieldLetters): the highest position the read layout gives
// its letter, 0 when the letter does not occur.
using FieldLengths = std::array<int, 6>;

// Index of a field letter in FieldLetters, -1 for any other letter.
int fieldIndex(char letter);

// False when an item of the layout does not convert.
[[nodiscard]] bool fieldLengths(std::string_view readLayout, FieldLengths& lengths);

// A pair of layouts that decode and encode every record of `recordLength` digits: both hold one
// converting item per digit, every read item of one of the six fields has a position from 1, and
// every write item names one of the six fields at a position from 1 to that field's length. Anything else would make
// the encode fail or build records from characters that no digit filled, so such a definition is refused when it is
// loaded.
[[nodiscard]] bool layoutsConsistent(std::string_view readLayout, std::string_view writeLayout, int recordLength);

} // namespace vorbix::model
