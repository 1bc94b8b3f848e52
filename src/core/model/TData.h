#pragma once

#include <array>
#include <string>
#include <vector>

namespace vorbix::model {

// One decoded memory slot. The six hex fields come from the record through the model's layout;
// ID, User, TxType and Prefix exist only in the program and in data files.
struct TData
{
    bool SortMark = false; // work flag of the user-view sort
    int Position = 0;      // slot number, from 1
    bool Empty = true;     // the slot holds no transmitter
    std::string Raw;       // the record's hex text
    std::string Serial;    // S: serial digits ("00000" = no transmitter)
    std::string Button;    // B: button bits 8, 4, 2, 1 or an input code
    std::string Function;  // O: function code
    std::string Channels;  // K: channel mask, bit k-1 = relay k
    std::string Times;     // T: four digits per time, tenths of a second
    std::string Extra;     // E: model-specific
    std::array<std::string, 4> User;
    int ID = 0;
    std::string TxType = "-";
    std::string Prefix = "x0";
};

// The record table: entry 0 exists but is never used, entry k is slot k.
using RecordTable = std::vector<TData>;

// The six field letters in record order; index i names field i of fieldOf().
inline constexpr std::array<char, 6> FieldLetters{'S', 'B', 'O', 'K', 'T', 'E'};

// The field a letter names, or nullptr for any other letter.
inline std::string* fieldOf(TData& record, char letter)
{
    switch (letter) {
    case 'S':
        return &record.Serial;
    case 'B':
        return &record.Button;
    case 'O':
        return &record.Function;
    case 'K':
        return &record.Channels;
    case 'T':
        return &record.Times;
    case 'E':
        return &record.Extra;
    default:
        return nullptr;
    }
}

inline const std::string* fieldOf(const TData& record, char letter)
{
    return fieldOf(const_cast<TData&>(record), letter);
}

} // namespace vorbix::model
