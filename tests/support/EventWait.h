#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <functional>
#include <unistd.h>

namespace vorbix::test {

// Processes events until `done` or `seconds` passed; false on the time-out. For window tests whose
// answers come from another thread or process.
inline bool waitUntil(const std::function<bool()>& done, int seconds = 5)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > seconds * 1000) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        ::usleep(5000);
    }
    return true;
}

} // namespace vorbix::test
