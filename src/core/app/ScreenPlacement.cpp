#include "core/app/ScreenPlacement.h"

#include <algorithm>

namespace vorbix::app {

namespace {

// How much of the top edge must lie on a screen for the window to be moved back by hand.
constexpr int kGraspWidth = 100;

long long overlap(int aStart, int aLength, int bStart, int bLength)
{
    const long long start = std::max<long long>(aStart, bStart);
    const long long end =
        std::min<long long>(static_cast<long long>(aStart) + aLength, static_cast<long long>(bStart) + bLength);
    return std::max<long long>(end - start, 0);
}

bool topEdgeOn(const ScreenRect& window, const ScreenRect& area)
{
    const bool topInside = window.top >= area.top && window.top < area.top + area.height;
    return topInside && overlap(window.left, window.width, area.left, area.width) >=
                            std::min(kGraspWidth, std::max(window.width, 1));
}

} // namespace

ScreenRect WhollyOnScreen(const ScreenRect& window, const FrameMargins& frame, const std::vector<ScreenRect>& areas)
{
    if (areas.empty()) {
        return window;
    }
    const ScreenRect outer{window.left - frame.left, window.top - frame.top, window.width + frame.left + frame.right,
                           window.height + frame.top + frame.bottom};
    const auto shown = [&](const ScreenRect& area) {
        return overlap(outer.left, outer.width, area.left, area.width) *
               overlap(outer.top, outer.height, area.top, area.height);
    };
    const ScreenRect& area = *std::max_element(
        areas.begin(), areas.end(), [&](const ScreenRect& a, const ScreenRect& b) { return shown(a) < shown(b); });
    const int width = std::min(outer.width, area.width);
    const int height = std::min(outer.height, area.height);
    const int left = std::clamp(outer.left, area.left, area.left + area.width - width);
    const int top = std::clamp(outer.top, area.top, area.top + area.height - height);
    return {left + frame.left, top + frame.top, std::max(width - frame.left - frame.right, 1),
            std::max(height - frame.top - frame.bottom, 1)};
}

ScreenRect BringOntoScreen(const ScreenRect& window, const std::vector<ScreenRect>& areas)
{
    if (areas.empty() ||
        std::any_of(areas.begin(), areas.end(), [&](const ScreenRect& area) { return topEdgeOn(window, area); })) {
        return window;
    }
    const auto shown = [&](const ScreenRect& area) {
        return overlap(window.left, window.width, area.left, area.width) *
               overlap(window.top, window.height, area.top, area.height);
    };
    const ScreenRect& area = *std::max_element(
        areas.begin(), areas.end(), [&](const ScreenRect& a, const ScreenRect& b) { return shown(a) < shown(b); });
    ScreenRect placed;
    placed.width = std::clamp(window.width, 1, std::max(area.width, 1));
    placed.height = std::clamp(window.height, 1, std::max(area.height, 1));
    placed.left = std::clamp(window.left, area.left, area.left + area.width - placed.width);
    placed.top = std::clamp(window.top, area.top, area.top + area.height - placed.height);
    return placed;
}

} // namespace vorbix::app
