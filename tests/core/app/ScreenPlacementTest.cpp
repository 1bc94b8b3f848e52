#include "core/app/ScreenPlacement.h"

#include <gtest/gtest.h>

using vorbix::app::BringOntoScreen;
using vorbix::app::ScreenRect;

TEST(ScreenPlacementTest, AWindowOnAScreenStaysAndOneOffEveryScreenIsBroughtBack)
{
    const ScreenRect left{0, 0, 1024, 768};
    const ScreenRect right{1024, 0, 1280, 1024};
    struct Case
    {
        const char* what;
        ScreenRect window;
        ScreenRect placed;
    };
    const Case cases[] = {
        {"inside", {190, 150, 710, 550}, {190, 150, 710, 550}},
        {"partly beyond the right edge, top edge graspable", {900, 100, 710, 550}, {900, 100, 710, 550}},
        {"across both screens", {800, 40, 710, 550}, {800, 40, 710, 550}},
        {"title bar above the screen", {100, -1, 710, 550}, {100, 0, 710, 550}},
        {"climbed far up", {100, -81, 710, 550}, {100, 0, 710, 550}},
        {"on a screen that is gone", {3000, 200, 710, 550}, {314, 200, 710, 550}},
        {"left of every screen", {-700, 100, 710, 550}, {0, 100, 710, 550}},
        {"below the screens", {200, 1100, 710, 550}, {200, 218, 710, 550}},
        {"larger than the screen that shows most of it", {-50, -50, 1100, 900}, {0, 0, 1024, 768}},
        {"mostly on the second screen", {1500, -300, 710, 550}, {1500, 0, 710, 550}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(BringOntoScreen(c.window, {left, right}), c.placed);
    }
    EXPECT_EQ(BringOntoScreen({-700, 100, 710, 550}, {}), (ScreenRect{-700, 100, 710, 550})) << "no screens known";
}

TEST(ScreenPlacementTest, AWindowOpensWhollyOnTheWorkAreaFrameIncluded)
{
    using vorbix::app::FrameMargins;
    using vorbix::app::WhollyOnScreen;
    const ScreenRect left{0, 0, 1024, 740}; // a panel takes the bottom 28 pixels
    const ScreenRect right{1024, 0, 1280, 1024};
    const FrameMargins frame{1, 22, 1, 4};
    struct Case
    {
        const char* what;
        ScreenRect window;
        ScreenRect placed;
    };
    const Case cases[] = {
        {"inside with its frame", {100, 100, 640, 520}, {100, 100, 640, 520}},
        {"the bottom edge past the work area", {100, 230, 640, 520}, {100, 216, 640, 520}},
        {"the title bar above the screen", {100, 5, 640, 520}, {100, 22, 640, 520}},
        {"past the right edge of the right screen", {1800, 100, 640, 520}, {1663, 100, 640, 520}},
        {"taller than the work area", {100, 100, 640, 900}, {100, 22, 640, 714}},
        {"mostly on the right screen", {1000, 100, 640, 520}, {1025, 100, 640, 520}},
        {"off every screen: into the first one", {5000, 5000, 640, 520}, {383, 216, 640, 520}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WhollyOnScreen(c.window, frame, {left, right}), c.placed);
    }
    EXPECT_EQ(WhollyOnScreen({5000, 5000, 640, 520}, frame, {}), (ScreenRect{5000, 5000, 640, 520}));
}
