#pragma once

#include <vector>

namespace vorbix::app {

// A rectangle on the desktop, in pixels.
struct ScreenRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const ScreenRect&) const = default;
};

// Where a window kept at `window` opens, given the work areas of the screens. It opens where it
// was when its top edge lies on a screen with enough of its width to take hold of it; otherwise
// (a screen that is gone, a smaller one, a position saved by an older version) it is moved, and
// shrunk where it must be, into the work area that shows the most of it, or the first one.
ScreenRect BringOntoScreen(const ScreenRect& window, const std::vector<ScreenRect>& areas);

// The frame the window manager puts around a window's client area, in pixels on each side.
struct FrameMargins
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Where a window opening at client area `window`, framed by `frame`, lies wholly on the work area
// that shows the most of it (or the first one): frame included, it is moved in from any edge it
// crosses, and shrunk where it is larger than the area. The result is the client area again.
ScreenRect WhollyOnScreen(const ScreenRect& window, const FrameMargins& frame, const std::vector<ScreenRect>& areas);

} // namespace vorbix::app
