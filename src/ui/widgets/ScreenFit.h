#pragma once

class QWidget;

namespace vorbix::ui {

// Puts a top-level window that is about to show wholly on the available screen area, the frame the
// window manager adds included: moved in from any edge it would cross, shrunk where it is larger.
// A window never shown before is first centred on the window it belongs to. The frame is read from
// the window itself once it has one, else from the window it belongs to.
void openWhollyOnScreen(QWidget& window);

} // namespace vorbix::ui
