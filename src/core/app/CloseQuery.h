#pragma once

#include "core/app/ShellState.h"
#include "core/base/LanguageTable.h"

#include <functional>
#include <string>

namespace vorbix::app {

enum class Answer
{
    Yes,
    No,
    Cancel,
};

// What the close question needs from the windows. `ask` shows a Yes/No/Cancel question with the
// question icon and the main window's caption as title. The save functions save the data set (to
// DataFileName, or under a name they ask for) and the monitor setup; each returns false when the
// save failed or was abandoned. A missing save function counts as a failed save.
struct CloseQueryPorts
{
    std::function<Answer(const std::string& question)> ask;
    std::function<bool()> saveDataSet;
    std::function<bool()> saveMonitorSetup;
};

// Asks about an unsaved data set (language text 84) and then about an unsaved monitor setup
// (text 84 + " - " + text 231); both are asked when both apply, whatever the first answer.
// Cancel, or Yes with a failed save, refuses the close: the result is then false.
[[nodiscard]] bool CloseQuery(const ShellState& state, const MonitorMarks& monitor, const PopisType& lang,
                              const CloseQueryPorts& ports);

} // namespace vorbix::app
