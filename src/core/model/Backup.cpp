#include "core/model/Backup.h"

#include "core/text/TextFile.h"

#include <cstdio>

namespace vorbix::model {

std::string BackupFileName(const std::string& programFolder, const std::string& model, const std::tm& when)
{
    char date[40];
    std::snprintf(date, sizeof date, "%02d%02d%02d", (when.tm_year + 1900) % 100, when.tm_mon + 1, when.tm_mday);
    char time[40];
    std::snprintf(time, sizeof time, "%02d%02d%02d", when.tm_hour, when.tm_min, when.tm_sec);
    const std::string folder = text::joinPath(programFolder, BackupFolderName);
    return text::joinPath(folder, model + "_" + date + "_" + time + ".rxd");
}

} // namespace vorbix::model
