#include "ui/app/FocusReturn.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

namespace vorbix::ui {

namespace {

QWidget* firstShownTable(QWidget* within)
{
    if (within == nullptr) {
        return nullptr;
    }
    for (QAbstractItemView* view : within->findChildren<QAbstractItemView*>()) {
        if (view->isVisible() && view->focusPolicy() != Qt::NoFocus) {
            return view;
        }
    }
    return nullptr;
}

} // namespace

FocusReturn::FocusReturn(QWidget* mainWindow) : QObject(mainWindow), m_mainWindow(mainWindow)
{
    qApp->installEventFilter(this);
}

QWidget* FocusReturn::focusTarget(QWidget* mainWindow)
{
    QWidget* page = nullptr;
    if (auto* pages = mainWindow->findChild<QTabWidget*>(); pages != nullptr && pages->isVisible()) {
        page = pages->currentWidget();
    }
    if (QWidget* table = firstShownTable(page)) {
        return table;
    }
    if (QWidget* table = firstShownTable(mainWindow)) {
        return table;
    }
    return mainWindow;
}

bool FocusReturn::ownsWindow(const QWidget* window) const
{
    if (window == m_mainWindow || !window->isWindow()) {
        return false;
    }
    const Qt::WindowType type = window->windowType();
    if (type == Qt::ToolTip || type == Qt::Popup || type == Qt::SplashScreen) {
        return false;
    }
    const QWidget* parent = window->parentWidget();
    return parent != nullptr && parent->window() == m_mainWindow;
}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched->isWidgetType() && !m_pending &&
        ownsWindow(static_cast<QWidget*>(watched))) {
        // After the dialog has gone and whatever closed it has finished.
        m_pending = true;
        QTimer::singleShot(0, this, &FocusReturn::giveBack);
    }
    return QObject::eventFilter(watched, event);
}

void FocusReturn::giveBack()
{
    m_pending = false;
    if (!m_mainWindow->isVisible() || m_mainWindow->isMinimized() || QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr) {
        return;
    }
    // Another of the window's dialogs still open (the find dialog, an alarm pop-up) keeps the keys.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && ownsWindow(top)) {
            return;
        }
    }
    m_mainWindow->activateWindow();
    focusTarget(m_mainWindow)->setFocus(Qt::OtherFocusReason);
}

} // namespace vorbix::ui
