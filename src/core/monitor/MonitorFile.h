#pragma once

#include "core/monitor/TMonitorData.h"

#include <string>
#include <string_view>
#include <vector>

// The monitor setup file ("*.mon"): code page 1250, CR LF. A header line, then three lines per
// message:
//   1#Gate open#1#12#4##/pictures/gate.jpg#1#0#1#
//   Active:X212AB4#2#n#end
//   Deactive:end
// The message line holds Number, Text, Colour, Size, Sound, SoundFile, Picture, then Blink,
// ActivateApp and ShowWindow as "1" or "0", each field followed by "#".
namespace vorbix::monitor {

inline constexpr std::string_view kMonitorFileHeader = "Vorbix monitor setup file";

enum class MonitorParse
{
    Loaded,
    WrongHeader,     // language text 82
    MissingActive,   // "Cyhba"
    MissingDeactive, // "Cyhba"
};

// Reads a whole setup into `messages` (replaced). On a failure `messages` holds what was read before
// it. Number fields that do not convert give 0, the size 8; a flag is set only by exactly "1".
MonitorParse parseMonitorSetup(std::string_view content, std::vector<TMonitorData>& messages);

// The file's content for `messages`, in their order.
std::string formatMonitorSetup(const std::vector<TMonitorData>& messages);

// The events of an "Active:" or "Deactive:" line after its mark: groups "TxCode#ButtonCode#n#"; a
// group whose third field is not "n" is the line's last; whatever follows the last "#" is ignored.
std::vector<TEvent> parseEventList(std::string_view rest);
std::string formatEventList(const std::vector<TEvent>& events);

// True when a text would shift the fields of its line in the file: it holds a "#". The dialogs refuse
// such texts, sound and picture paths and codes at entry.
bool hasFieldMark(std::string_view text);

// The message for such a text.
inline constexpr const char* HashInMonitorField =
    "Monitor texts, sound and picture paths and codes may not contain the character \"#\".";

} // namespace vorbix::monitor
