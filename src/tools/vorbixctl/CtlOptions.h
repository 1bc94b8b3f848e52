#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vorbix::ctl {

// The global options of vorbixctl; every one is optional. Connection options given here replace
// the connection of the folder's "Vorbix.ini".
struct GlobalOptions
{
    bool help = false;
    bool version = false;                           // --version
    std::string folder;                             // --folder DIR; empty: found by resolveProgramFolder
    std::optional<int> com;                         // --com N
    std::optional<std::string> serial;              // --serial PATH: the device of the COM port
    std::optional<int> speed;                       // --speed BPS
    bool dumpRead = false;                          // --dump-read
    std::optional<std::string> tcpAddress, tcpPort; // --tcp ADDR:PORT
    std::optional<std::string> password;            // --password TEXT (UTF-8)

    std::string command;
    std::vector<std::string> commandArgs; // everything after the command that is not a global option
};

// False, with the reason, on a usage error: an unknown option before the command, a missing or
// malformed value, or a serial and a TCP connection at once.
[[nodiscard]] bool parseGlobalOptions(const std::vector<std::string>& args, GlobalOptions& options, std::string& error);

// Sets `folder` to the program folder of this run: --folder, else the folder every Vorbix program
// finds (for an installed program the per-user folder, prepared on first use). False, with the
// reason, when the per-user folder cannot be prepared.
[[nodiscard]] bool resolveProgramFolder(GlobalOptions& options, std::string& error);

// The program folder of the options once resolveProgramFolder has set it.
std::string programFolderOf(const GlobalOptions& options);

std::string usageText();

} // namespace vorbix::ctl
