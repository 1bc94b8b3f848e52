#pragma once

#include "core/app/Settings.h"
#include "core/app/ShellState.h"
#include "core/base/LanguageTable.h"

#include <string>
#include <vector>

namespace vorbix::app {

// The data file named on the command line: the first argument when it names an existing file,
// else empty. Further arguments are ignored.
std::string StartFileFrom(const std::vector<std::string>& arguments);

// Creates ProgramFolder/Backup when it is missing. False with "Cannot create PATH: REASON".
[[nodiscard]] bool EnsureBackupFolder(const std::string& programFolder, std::string& error);

// The program refuses to run without its definition files: "Rx.def", then the function file of
// the language, then "Tx.def". False with language text 80 + " - " + "PATH: REASON" for the first
// one that is missing or not a plain file (a folder of that name, for instance).
[[nodiscard]] bool CheckDefinitionFiles(const std::string& programFolder, const std::string& definitionFileName,
                                        const PopisType& lang, std::string& error);

// What the first showing does after the checks, decided from the settings and the command line.
struct StartupPlan
{
    bool userLogin = false;        // Login on: the user login dialog, and nothing else below
    bool welcome = false;          // show the welcome window, which sets the caption when it closes
    bool profileCaption = false;   // caption "Vorbix - " + the matching profile's name
    bool takeOpenDataPath = false; // DataFileName takes OpenDataPath ...
    bool openDataPath = false;     // ... and that file is opened (it is not empty and exists)
    bool takeMonitorPath = false;  // the monitor's SetupFile takes OpenMonitorPath ...
    bool loadMonitorPath = false;  // ... and that file is loaded
    bool openStartFile = false;    // the command-line file is opened
};

StartupPlan PlanStartup(const Settings& settings, const ShellState& state);

// What the first activation of the main window runs, in this order.
struct ActivationPlan
{
    bool download = false;
    bool online = false;
    bool monitor = false;
};

// A file named on the command line suppresses the configured download, on-line and monitor start.
ActivationPlan PlanFirstActivation(const Settings& settings, const ShellState& state);

// The caption after start-up: "Vorbix - " + the name of the last profile whose Title equals the
// connection text, or "Vorbix" when none does.
std::string ProfileCaption(const ConnectionList& profiles, const std::string& connectionText);

} // namespace vorbix::app
