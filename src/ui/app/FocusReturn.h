#pragma once

#include <QObject>

class QWidget;

namespace vorbix::ui {

// Gives the keyboard back to the main window whenever one of its dialogs or busy windows goes:
// the window is activated again and the table of the page on show takes the focus, so that the
// commands' keys (F11, Ctrl+F, Ctrl+Z) and the arrow keys work at once. Without it the window
// manager may leave no window active after a dialog, and every key press is lost until the user
// clicks into the window or opens a menu.
class FocusReturn : public QObject
{
    Q_OBJECT
public:
    explicit FocusReturn(QWidget* mainWindow);

    // The widget that takes the focus: the first shown table of the current page, else of the
    // window (the message table of monitor mode), else the window itself.
    static QWidget* focusTarget(QWidget* mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void giveBack();
    bool ownsWindow(const QWidget* window) const;

    QWidget* m_mainWindow;
    bool m_pending = false;
};

} // namespace vorbix::ui
