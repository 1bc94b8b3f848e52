#pragma once

#include <ctime>
#include <functional>
#include <string>

// Backups of downloaded memories: data files in the folder "Backup" below the program folder,
// named model + "_" + yymmdd + "_" + hhnnss + ".rxd" (24-hour time) and made read-only.
namespace vorbix::model {

// Local date and time; replaceable so that tests and tools can fix the moment.
using Clock = std::function<std::tm()>;

// The local time of the system clock.
std::tm systemLocalTime();

inline constexpr const char* BackupFolderName = "Backup";

// ProgramFolder/Backup/<model>_<yymmdd>_<hhnnss>.rxd. The time part follows the program's
// date-and-time text, which leaves the time out at exactly 00:00:00, so a backup made then is
// named <model>_<yymmdd>_.rxd.
std::string BackupFileName(const std::string& programFolder, const std::string& model, const std::tm& when);

} // namespace vorbix::model
