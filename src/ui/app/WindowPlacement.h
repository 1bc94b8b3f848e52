#pragma once

#include "core/app/Settings.h"

class QWidget;

namespace vorbix::ui {

// The main window's place between starts. The settings keep the client area (the window without
// the frame the window manager adds), and a start puts the client area back there: saving one
// and restoring the other moved the window by its title bar's height at every start.
void placeWindow(QWidget& window, const app::WindowGeometry& kept);
void keepWindowPlace(const QWidget& window, app::WindowGeometry& kept);

} // namespace vorbix::ui
