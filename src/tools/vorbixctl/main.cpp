// vorbixctl: log in to a receiver, read its description, download, upload, change its password.

#include "core/text/ProgramFolder.h"
#include "tools/vorbixctl/Commands.h"
#include "tools/vorbixctl/CtlOptions.h"
#include "tools/vorbixctl/CtlSession.h"
#include "tools/vorbixctl/HumanText.h"
#include "tools/vorbixctl/ListCommands.h"
#include "tools/vorbixctl/MonitorShowCommand.h"
#include "tools/vorbixctl/PageCommands.h"
#include "tools/vorbixctl/RecordFileCommands.h"
#include "tools/vorbixctl/ShowCommand.h"

#include <csignal>
#include <iostream>
#include <map>

int main(int argc, char** argv)
{
    using namespace vorbix::ctl;
    std::signal(SIGPIPE, SIG_IGN);
    // Every line printed, to the terminal or a pipe, shows control characters from files and from
    // the receiver as "?"; JSON output has none to show.
    const vorbix::tools::TerminalSafeStream safeOut(std::cout);
    const vorbix::tools::TerminalSafeStream safeErr(std::cerr);
    GlobalOptions options;
    std::string error;
    if (!parseGlobalOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::cerr << "vorbixctl: " << error << "\n" << usageText();
        return kExitUsage;
    }
    if (options.help) {
        std::cout << usageText();
        return kExitOk;
    }
    if (options.version) {
        std::cout << vorbix::text::versionLine("vorbixctl") << "\n";
        return kExitOk;
    }
    if (!resolveProgramFolder(options, error)) {
        std::cerr << "vorbixctl: " << error << "\n";
        return kExitFailure;
    }

    // Every command: those that read only the program folder's files run at once; those that talk
    // to the receiver get a session first.
    using FolderCommand = int (*)(const std::string& programFolder, const std::vector<std::string>&);
    using ReceiverCommand = int (*)(CtlSession&, const std::vector<std::string>&);
    struct Command
    {
        FolderCommand folder = nullptr;
        ReceiverCommand receiver = nullptr;
    };
    using namespace vorbix::tools;
    const std::map<std::string, Command> commands = {
        {"show", {runShow}},
        {"history", {runHistory}},
        {"battery", {runBattery}},
        {"export", {runExport}},
        {"print", {runPrint}},
        {"import", {runImport}},
        {"diff", {runDiff}},
        {"accounts", {runAccounts}},
        {"monitor-show", {runMonitorShow}},
        {"info", {nullptr, runInfo}},
        {"download", {nullptr, runDownload}},
        {"upload", {nullptr, runUpload}},
        {"passwd", {nullptr, runPasswd}},
        {"watch", {nullptr, runWatch}},
        {"relay", {nullptr, runRelay}},
        {"monitor", {nullptr, runMonitor}},
        {"verify", {nullptr, runVerify}},
        {"bridge", {nullptr, runBridge}},
    };
    const auto command = commands.find(options.command);
    if (command == commands.end()) {
        std::cerr << "vorbixctl: "
                  << (options.command.empty() ? "no command" : "unknown command '" + options.command + "'") << "\n"
                  << usageText();
        return kExitUsage;
    }
    if (command->second.folder != nullptr) {
        return command->second.folder(programFolderOf(options), options.commandArgs);
    }
    CtlSession session(options);
    if (!session.prepare()) {
        return kExitFailure;
    }
    return command->second.receiver(session, options.commandArgs);
}
