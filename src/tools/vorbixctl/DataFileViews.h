#pragma once

#include "core/app/IniFile.h"
#include "core/app/Settings.h"
#include "core/base/LanguageTable.h"
#include "core/model/DataFile.h"
#include "core/model/TRxFnc.h"
#include "core/views/ColumnConfig.h"
#include "core/views/RecordCells.h"

#include <memory>
#include <string>

namespace vorbix::tools {

// What the views of a program folder need, read once: the settings file, the language with the
// user column titles, and (for a data file) the file's records with the function definitions of
// its model. The commands that print or export a view share it.
struct FolderViews
{
    app::IniFile ini;
    std::string languageCode;
    PopisType lang;
    app::Settings settings;
    model::LoadedDataFile loaded;
    model::TRxFnc functions;
    views::ViewContext context;
};

// Reads the folder's "Vorbix.ini", the language and the user titles. False with the reason on
// stderr.
[[nodiscard]] bool loadFolder(const std::string& programFolder, FolderViews& views);

// loadFolder, then the data file and its model's functions; `context` is set up for the views.
// False with the reason on stderr (the data file's name after each message).
[[nodiscard]] bool loadDataFile(const std::string& programFolder, const std::string& path, FolderViews& views);

// The file view's columns as the folder's settings configure them for the file's layout.
views::ColumnCodes fileViewCodes(const FolderViews& views);

} // namespace vorbix::tools
