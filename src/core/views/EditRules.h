#pragma once

#include "core/model/TTx.h"

#include <array>
#include <string>
#include <vector>

// The rules of the record edit dialog that need no widget: serial numbers, button codes and
// function times.
namespace vorbix::views {

// The type named `name`, -1 when there is none.
int typeIndexOf(const std::vector<model::TTx>& types, const std::string& name);

enum class SerialCheck
{
    Valid,
    Invalid,         // text 138; the field gets the record's number and the focus
    InvalidPrefixed, // text 138 after "x" + six characters; the field gets the record's number
};

// `ValidateSerial` on the text of the serial field: five hex digits get the prefix of the type
// named `typeName` (or "x0"), "x" + six hex digits and seven hex digits are taken in upper case.
// On Valid `serial` holds the new text; otherwise it is left as it was.
SerialCheck ValidateSerial(std::string& serial, const std::string& typeName, const std::vector<model::TTx>& types);

// The button code of the ticked boxes: the sum of their values taken from `type`, as one
// upper-case hex digit.
std::string ButtonsToCode(const model::TTx& type, const std::array<bool, 4>& ticked);

// The boxes a button code ticks: box 1 for 8, box 2 for 4, box 3 for 2, box 4 for 1 of the value
// of the code's first character (0 for anything that is not a digit or "A"-"F").
std::array<bool, 4> buttonBoxesOf(const std::string& buttonCode);
int buttonValueOf(const std::string& buttonCode);

// One upper-case hex digit of 0..15 (values outside are clamped).
std::string hexDigit(int value);

// A time of the dialog's three edits.
struct EditTime
{
    int minutes = 0;
    int seconds = 0;
    int milliseconds = 100;
};

// Tenths of a second of the edits, milliseconds rounded to a hundred (an exact half to the even
// hundred). With `limit`, at most 65535 and at least 1.
int timeTenths(const EditTime& time, bool limit);
// The edits showing a count of tenths: minutes, seconds 0..59, milliseconds 0..900.
EditTime timeOfTenths(int tenths);
// The edits normalised as on leaving one of them: a whole number of tenths from 0:00,100 to
// 109:13,500.
EditTime normaliseTime(const EditTime& time);

// `LoadTime`: a time text "m:ss,mmm" split at ":" and ","; false when it does not give three
// numbers.
[[nodiscard]] bool splitTimeText(const std::string& text, EditTime& time);

// The functions the dialog offers: "-", "Direct", "Inverse" for a serial number beginning with
// "A" (an input device), the function file's names otherwise.
std::vector<std::string> functionListFor(const std::string& serial, const std::vector<std::string>& funcNames);

} // namespace vorbix::views
