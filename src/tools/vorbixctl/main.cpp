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

    using ReceiverCommand = int (*)(CtlSession&, const std::vector<std::string>&);
    const std::map<std::string, ReceiverCommand> receiverCommands = {
        {"info", runInfo},   {"download", runDownload}, {"upload", runUpload},   {"passwd", runPasswd},
        {"watch", runWatch}, {"relay", runRelay},       {"monitor", runMonitor}, {"verify", runVerify},
        {"bridge", runBridge},
    };
    // Commands that need no receiver are dispatched here, before a session is prepared.
    if (options.command == "show") {
        return vorbix::tools::runShow(programFolderOf(options), options.commandArgs);
    }
    if (options.command == "history") {
        return vorbix::tools::runHistory(programFolderOf(options), options.commandArgs);
    }
    if (options.command == "battery") {
        return vorbix::tools::runBattery(programFolderOf(options), options.commandArgs);
    }
    if (options.command == "export") {
        return vorbix::tools::runExport(programFolderOf(options), options.commandArgs);
    }
    if (options.command == "print") {
        return vorbix::tools::runPrint(programFolderOf(options), options.commandArgs);
    }
    if (options.command == "import") {
        return vorbix::tools::runImport(programFolderOf(options), options.commandArgs);
    }
    if (options.command == "diff") {
        return vorbix::tools::runDiff(programFolderOf(options), options.commandArgs);
    }
    if (options.command == "accounts") {
        return vorbix::tools::runAccounts(programFolderOf(options), options.commandArgs);
    }
    if (options.command == "monitor-show") {
        return vorbix::tools::runMonitorShow(programFolderOf(options), options.commandArgs);
    }

    const auto command = receiverCommands.find(options.command);
    if (command == receiverCommands.end()) {
        std::cerr << "vorbixctl: "
                  << (options.command.empty() ? "no command" : "unknown command '" + options.command + "'") << "\n"
                  << usageText();
        return kExitUsage;
    }
    CtlSession session(options);
    if (!session.prepare()) {
        return kExitFailure;
    }
    return command->second(session, options.commandArgs);
}
