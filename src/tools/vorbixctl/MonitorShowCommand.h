#pragma once

#include <string>
#include <vector>

namespace vorbix::tools {

// `monitor-show FILE.mon [--json]`: a monitor setup, one line per message (number, text, colour,
// size, blink, sound, window, tab-separated UTF-8) followed by an indented line for each of its
// Active and Deactive events; with --json one object per message. A file that does not load prints
// the load's message on stderr: exit 1; 2 for a bad command line. Needs no receiver.
int runMonitorShow(const std::string& programFolder, const std::vector<std::string>& args);

} // namespace vorbix::tools
