#include "core/app/Startup.h"

#include "core/base/TextNumbers.h"
#include "core/text/TextFile.h"

#include <cerrno>
#include <filesystem>

namespace vorbix::app {

std::string StartFileFrom(const std::vector<std::string>& arguments)
{
    if (!arguments.empty() && text::fileExists(arguments.front())) {
        return arguments.front();
    }
    return {};
}

bool EnsureBackupFolder(const std::string& programFolder, std::string& error)
{
    const std::string backup = text::joinPath(programFolder, "Backup");
    if (text::directoryExists(backup)) {
        return true;
    }
    std::error_code ec;
    if (!std::filesystem::create_directory(backup, ec) || ec) {
        // Without an error the name is taken by something that is not a folder.
        error = "Cannot create " + text::failureText(backup, ec ? ec.value() : EEXIST);
        return false;
    }
    return true;
}

bool CheckDefinitionFiles(const std::string& programFolder, const std::string& definitionFileName,
                          const PopisType& lang, std::string& error)
{
    for (const std::string& name : {std::string("Rx.def"), definitionFileName, std::string("Tx.def")}) {
        std::string reason;
        if (!text::fileExists(text::joinPath(programFolder, name), reason)) {
            error = LangText(lang, lang::kFileCannotBeOpened) + " - " + reason;
            return false;
        }
    }
    return true;
}

StartupPlan PlanStartup(const Settings& settings, const ShellState& state)
{
    StartupPlan plan;
    if (settings.Login) {
        plan.userLogin = true;
        return plan;
    }
    if (!settings.Welcome || state.StartFileGiven) {
        plan.profileCaption = true;
    } else {
        plan.welcome = true;
    }
    if (settings.OpenDataFile && !state.StartFileGiven) {
        plan.takeOpenDataPath = true;
        plan.openDataPath = !settings.OpenDataPath.empty() && text::fileExists(settings.OpenDataPath);
    }
    if (settings.OpenMonitorFile) {
        plan.takeMonitorPath = true;
        plan.loadMonitorPath = !settings.OpenMonitorPath.empty() && text::fileExists(settings.OpenMonitorPath);
    }
    plan.openStartFile = state.StartFileGiven;
    return plan;
}

ActivationPlan PlanFirstActivation(const Settings& settings, const ShellState& state)
{
    ActivationPlan plan;
    plan.download = settings.Download && !state.StartFileGiven;
    plan.online = settings.Online && !state.StartFileGiven;
    plan.monitor = settings.Monitor && !state.StartFileGiven;
    return plan;
}

std::string ProfileCaption(const ConnectionList& profiles, const std::string& connectionText)
{
    const int found = FindProfileByTitle(profiles, connectionText);
    if (found < 0) {
        return "Vorbix";
    }
    return "Vorbix - " + profiles[static_cast<std::size_t>(found)].Name;
}

} // namespace vorbix::app
