#include "ui/widgets/ScreenFit.h"

#include "core/app/ScreenPlacement.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace vorbix::ui {
namespace {

// Before any window has been framed: a title bar and thin borders.
constexpr app::FrameMargins kGuessedFrame{2, 28, 2, 2};

app::FrameMargins frameOf(const QWidget& window)
{
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

bool framed(const QWidget& window)
{
    return window.isVisible() && window.frameGeometry() != window.geometry();
}

// The title bar beside the caption: the icon, the buttons and the window manager's margins.
constexpr int kTitleBarRoom = 130;

} // namespace

void fitToContentAndCaption(QWidget& dialog)
{
    if (QLayout* frame = dialog.layout()) {
        frame->activate();
    }
    // Window managers draw captions in a bold face of about the program's size.
    QFont captionFont = dialog.font();
    captionFont.setBold(true);
    const int caption = QFontMetrics(captionFont).horizontalAdvance(dialog.windowTitle()) + kTitleBarRoom;
    const QSize content = dialog.sizeHint().expandedTo(dialog.minimumSizeHint());
    dialog.setFixedSize(std::max(content.width(), caption), content.height());
}

void openWhollyOnScreen(QWidget& window)
{
    const QWidget* owner = window.parentWidget() != nullptr ? window.parentWidget()->window() : nullptr;
    app::FrameMargins frame = kGuessedFrame;
    if (framed(window)) {
        frame = frameOf(window);
    } else if (owner != nullptr && framed(*owner)) {
        frame = frameOf(*owner);
    }
    QRect client = window.geometry();
    static constexpr const char* kPlaced = "vorbixPlacedOnScreen";
    if (!window.property(kPlaced).toBool() && owner != nullptr) {
        client.moveCenter(owner->geometry().center());
    }
    window.setProperty(kPlaced, true);
    std::vector<app::ScreenRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        areas.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    const app::ScreenRect placed =
        app::WhollyOnScreen({client.x(), client.y(), client.width(), client.height()}, frame, areas);
    window.setGeometry(placed.left, placed.top, placed.width, placed.height);
}

} // namespace vorbix::ui
