#pragma once

#include "core/base/LanguageTable.h"

#include <QString>

namespace vorbix::ui {

// Starts the event logger program kept in the program folder, detached: "QTXLog" when it is there,
// else "QTXLog.exe" opened through the desktop (which knows how to run it, if anything does).
// False with a text naming the path when neither can be started.
[[nodiscard]] bool LaunchLogger(const QString& programFolder, const PopisType& lang, QString& error);

} // namespace vorbix::ui
