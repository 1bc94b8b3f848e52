#pragma once

#include <QIcon>

namespace vorbix::ui {

// Makes the icons shipped with the program available; call once before the first icon is needed.
void initIconResources();

// A tool-bar icon: the desktop theme's icon of that name, else the icon shipped with the program
// (the SVG where Qt can read SVG, else its PNG renderings).
QIcon toolIcon(const char* themeName, const char* shipped);

// The program's icon, from the shipped picture.
QIcon appIcon();

} // namespace vorbix::ui
