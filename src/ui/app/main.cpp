#include "core/text/ProgramFolder.h"
#include "ui/app/ProgramEntry.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return vorbix::ui::runProgram(vorbix::text::parseCommandLine(argc, argv));
}
