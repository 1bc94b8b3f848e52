#pragma once

#include <QObject>

namespace vorbix::ui {

// What happens to the main window that features follow.
class ShellEvents : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // Another page is on show (its index).
    void pageChanged(int index);
    // The main window became the active window.
    void windowActivated();
    // The record picker opened on a page's grid.
    void recordPickerOpened();
};

} // namespace vorbix::ui
