#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

namespace vorbix::test {

// The parts of the main window the tests look at, found by their names.
template <typename W = QWidget> W* partOf(const QWidget& window, const char* name)
{
    return window.findChild<W*>(QString::fromLatin1(name));
}

inline QTabWidget* pageControlOf(const QWidget& window)
{
    return partOf<QTabWidget>(window, "PageControl");
}

inline QWidget* onlinePanelOf(const QWidget& window)
{
    return partOf(window, "PanelOnline");
}

} // namespace vorbix::test
