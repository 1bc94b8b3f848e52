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

// ProgramFolder/Backup/<model>_<yymmdd>_<hhnnss>.rxd, with all six time digits also at midnight,
// so that every backup name sorts by its moment.
std::string BackupFileName(const std::string& programFolder, const std::string& model, const std::tm& when);

} // namespace vorbix::model
