#include "ui/app/WindowPlacement.h"

#include "core/app/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vorbix::ui {

namespace {

std::vector<app::ScreenRect> workAreas()
{
    std::vector<app::ScreenRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        areas.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return areas;
}

} // namespace

void placeWindow(QWidget& window, const app::WindowGeometry& kept)
{
    const QScreen* display = window.screen();
    if (!kept.Stored && display != nullptr) {
        // First start: most of the screen, so that the tables show many rows and columns.
        const QRect area = display->availableGeometry();
        const QSize size = (area.size() * 4 / 5).expandedTo(window.minimumSize());
        window.setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
    } else {
        const app::ScreenRect placed =
            app::BringOntoScreen({kept.Left, kept.Top, kept.Width, kept.Height}, workAreas());
        window.setGeometry(placed.left, placed.top, placed.width, placed.height);
    }
    if (kept.State == app::WindowState::Maximized) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    } else if (kept.State == app::WindowState::Minimized) {
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
    }
}

void keepWindowPlace(const QWidget& window, app::WindowGeometry& kept)
{
    if (window.isMaximized()) {
        kept.State = app::WindowState::Maximized;
    } else if (window.isMinimized()) {
        kept.State = app::WindowState::Minimized;
    } else {
        kept.State = app::WindowState::Normal;
        const QRect client = window.geometry();
        kept.Width = client.width();
        kept.Height = client.height();
        kept.Left = client.x();
        kept.Top = client.y();
    }
}

} // namespace vorbix::ui
