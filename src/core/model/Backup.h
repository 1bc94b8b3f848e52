#pragma once

#include <ctime>
#include <string>

// Backups of downloaded memories: data files in the folder "Backup" below the program folder,
// named model + "_" + yymmdd + "_" + hhnnss + ".rxd" (24-hour time) and made read-only.
namespace vorbix::model {

inline constexpr const char* BackupFolderName = "Backup";

// ProgramFolder/Backup/<model>_<yymmdd>_<hhnnss>.rxd, with all six time digits also at midnight,
// so that every backup name sorts by its moment.
std::string BackupFileName(const std::string& programFolder, const std::string& model, const std::tm& when);

} // namespace vorbix::model
