// vorbixctl: the command-line companion of the program, linking the core only.
#include "core/text/ProgramFolder.h"
#include "tools/vorbixctl/ShowCommand.h"

#include <iostream>

int main(int argc, char* argv[])
{
    const vorbix::text::CommandLine line = vorbix::text::parseCommandLine(argc, argv);
    if (!line.error.empty()) {
        std::cerr << line.error << "\n";
        return 2;
    }
    if (line.arguments.empty()) {
        std::cerr << "usage: vorbixctl [--folder DIR] show FILE.rxd [--view memory|file] [--sort N] [--desc]\n";
        return 2;
    }
    const std::string& command = line.arguments.front();
    const std::vector<std::string> args(line.arguments.begin() + 1, line.arguments.end());
    if (command == "show") {
        return vorbix::tools::runShow(line.programFolder, args);
    }
    std::cerr << "unknown command: " << command << "\n";
    return 2;
}
