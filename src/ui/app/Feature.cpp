#include "ui/app/Feature.h"

#include "ui/app/Shell.h"

#include <QWidget>

namespace vorbix::ui {

Feature::Feature(Shell& shell) : QObject(shell.mainWindow()), m_shell(shell) {}

} // namespace vorbix::ui
