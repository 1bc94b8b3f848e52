#include "core/text/ProgramFolder.h"
#include "ui/app/ProgramEntry.h"

#include <QApplication>
#include <iostream>

int main(int argc, char* argv[])
{
    using namespace vorbix::text;
    CommandLine commandLine = parseCommandLine(argc, argv);
    // Answered before any display is needed, so it works on a text console too.
    if (commandLine.version) {
        std::cout << versionLine("vorbix") << "\n";
        return 0;
    }
    if (commandLine.error.empty()) {
        std::string error;
        if (!findProgramFolder(commandLine.programFolder, commandLine.programFolder, error)) {
            std::cerr << "Vorbix: " << error << "\n";
            return 1;
        }
    }
    QApplication app(argc, argv);
    return vorbix::ui::runProgram(commandLine);
}
