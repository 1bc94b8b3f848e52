#pragma once

#include "core/lists/ListTime.h"

#include <array>
#include <string>

namespace vorbix::lists {

// One event of the history list.
struct THistoryRec
{
    std::string TxCode; // the 7-character transmitter code: two prefix characters, five serial digits
    std::string Code;   // EventCodeText of the button code
    bool LowBatt = false;
    ListTime Time;
    int ID = 0; // user number of the linked record, 0 = none
    std::array<std::string, 4> User;

    bool operator==(const THistoryRec&) const = default;
};

// One transmitter of the low-battery list.
struct TLowBatt
{
    std::string TxCode;
    int State = 0; // 0: the latest report was low; 1: reported good since (changed)
    ListTime Time;
    int ID = 0;
    std::array<std::string, 4> User;

    bool operator==(const TLowBatt&) const = default;
};

// What a load found: whether the file could be read, and the lines that did not read (too few
// fields, or a time that does not parse), left out of the list; the first is kept for the report.
struct ListLoad
{
    bool opened = false;
    bool missing = false; // not opened because there is no file yet: an empty list, nothing to report
    int skippedLines = 0;
    std::string firstSkipped;
    std::string error; // "PATH: REASON" when the file could not be read
};

} // namespace vorbix::lists
