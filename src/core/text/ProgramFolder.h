#pragma once

#include <string>
#include <vector>

// ProgramFolder: the folder that holds the program's own files, without a trailing separator.
// Every file the program keeps (settings, language and definition files, lists, Backup, Help) is
// found through it. All three programs (the window, vorbixctl, vorbix-rxsim) ask findProgramFolder,
// so they agree on it.
namespace vorbix::text {

// The folder of the running executable (/proc/self/exe); empty when it cannot be read.
std::string executableFolder();

// The file whose presence marks a folder as holding the shipped files.
inline constexpr const char* kShippedMarker = "Rx.def";

// Where the program folder is, and where the shipped files come from.
struct FolderPlan
{
    std::string folder;  // the program folder
    std::string shipped; // an installed program's shipped files (share/vorbix); empty otherwise
};

// The rule, without touching anything: `requested` (--folder) wins; else the executable's folder
// when the shipped files lie beside it (a build tree, a portable copy); else, when they lie in
// ../share/vorbix of it (an installed program), the user's data folder: $XDG_DATA_HOME/vorbix when
// that is an absolute path, otherwise HOME/.local/share/vorbix; else the executable's folder.
FolderPlan planProgramFolder(const std::string& requested, const std::string& exeFolder, const std::string& xdgDataHome,
                             const std::string& home);

// The program folder of this run, from the environment and /proc/self/exe. For an installed
// program the per-user folder is created and every shipped file it lacks is copied in (see
// copyMissingFiles); false, with the reason, when that fails.
[[nodiscard]] bool findProgramFolder(const std::string& requested, std::string& folder, std::string& error);

// Copies every file below `from` that has no counterpart below `to`, creating folders as needed.
// A file that exists in `to` is never touched, whatever its content: the user's settings, lists,
// backups and changed language files stay as they are. Each copy is written whole and then named.
[[nodiscard]] bool copyMissingFiles(const std::string& from, const std::string& to, std::string& error);

// Parsed command line shared by the program and the tools: `--folder DIR` overrides the
// executable's folder; every other argument is kept in order in `arguments`.
struct CommandLine
{
    std::string programFolder; // as given by --folder; empty when not given
    std::vector<std::string> arguments;
    std::string error;    // set when `--folder` lacks its value
    bool version = false; // --version was given
};

CommandLine parseCommandLine(int argc, const char* const* argv);

// The line --version prints: the program's name and the version it was built as.
std::string versionLine(const std::string& programName);

// Removes trailing '/' (but keeps a lone "/").
std::string withoutTrailingSeparator(std::string folder);

} // namespace vorbix::text
