#pragma once

#include <QIcon>

namespace vorbix::ui {

// Makes the icons shipped with the program available; call once before the first icon is needed.
void initIconResources();

// A tool-bar icon: the desktop theme's icon of that name, else the icon shipped with the program
// (":/icons/<shipped>.svg"). Null when neither can be shown; the button then shows its text.
QIcon toolIcon(const char* themeName, const char* shipped);

// The program's icon, drawn from the shipped picture, or painted when the platform cannot read it.
QIcon appIcon();

} // namespace vorbix::ui
