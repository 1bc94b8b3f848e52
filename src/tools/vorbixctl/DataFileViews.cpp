#include "tools/vorbixctl/DataFileViews.h"

#include "core/app/Language.h"
#include "core/text/Cp1250.h"

#include <iostream>

namespace vorbix::tools {

bool loadFolder(const std::string& programFolder, FolderViews& views)
{
    views.ini = app::IniFile::load(programFolder + "/Vorbix.ini");
    views.languageCode = app::ReadLanguageCode(views.ini);
    std::string error;
    if (!app::LoadLanguage(programFolder, views.languageCode, views.lang, error)) {
        std::cerr << error << "\n";
        return false;
    }
    app::LoadSettings(views.ini, views.settings);
    app::LoadUserTitles(views.ini, views.lang, views.settings);
    return true;
}

bool loadDataFile(const std::string& programFolder, const std::string& path, FolderViews& views)
{
    if (!loadFolder(programFolder, views)) {
        return false;
    }
    ErrorSink toStderr = [path](const std::string& message) {
        std::cerr << cp1250::toUtf8(message) << " (" << path << ")\n";
    };
    ErrorSink warningToStderr = [path](const std::string& message) {
        std::cerr << "warning: " << cp1250::toUtf8(message) << " (" << path << ")\n";
    };
    if (!model::ReadDataFile(path, programFolder, nullptr, views.loaded, views.lang, toStderr, warningToStderr)) {
        return false;
    }
    views.functions.Folder = programFolder;
    views.functions.FileName = model::TRxFnc::functionFileName(programFolder, views.languageCode);
    views.functions.setMessages(&views.lang, toStderr);
    if (!views.functions.LoadFunctions(views.loaded.Device.Model, &views.loaded.Device)) {
        return false;
    }
    views.context.functions = &views.functions;
    views.context.device = &views.loaded.Device;
    views.context.lang = &views.lang;
    views.context.userTitles = views.settings.userTitles;
    return true;
}

views::ColumnCodes fileViewCodes(const FolderViews& views)
{
    views::ColumnConfig config;
    views::LoadColumnConfig(views.ini, config);
    return views::columnCodesFor(config, views.context.layout(), views.functions.SingleRelay);
}

} // namespace vorbix::tools
