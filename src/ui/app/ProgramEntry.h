#pragma once

#include "core/text/ProgramFolder.h"

namespace vorbix::ui {

// The program on a QApplication that already exists: one copy per program folder (keyed by its
// last component), then the main window until it closes. Returns the exit code; a second copy
// ends at once with 0 and leaves the first untouched.
//
// With VORBIX_SCREENSHOT=path set, the main window is saved as a PNG there once it has settled,
// and the program quits without running its close steps; with VORBIX_SCREENSHOT_DIALOG=edit too,
// the record dialog of the selected row is saved instead.
int runProgram(const text::CommandLine& commandLine);

} // namespace vorbix::ui
