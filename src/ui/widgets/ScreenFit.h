#pragma once

class QWidget;

namespace vorbix::ui {

// Puts a top-level window that is about to show wholly on the available screen area, the frame the
// window manager adds included: moved in from any edge it would cross, shrunk where it is larger.
// A window never shown before is first centred on the window it belongs to. The frame is read from
// the window itself once it has one, else from the window it belongs to.
void openWhollyOnScreen(QWidget& window);

// Sizes a dialog with a fixed set of controls to its contents, and never narrower than its caption
// needs beside the title bar's icon and buttons. The size is fixed: the window manager then gives
// the dialog no resize handle (under openbox a second bar along its bottom edge). Call it once the
// texts are in place.
void fitToContentAndCaption(QWidget& dialog);

} // namespace vorbix::ui
