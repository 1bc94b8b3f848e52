#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace vorbix::test {

// Runs `body` on the modal dialog of type Dialog once it shows (its exec() is running), so a test
// can fill it and press its buttons. The watch ends with `owner` when no such dialog showed.
template <typename Dialog> void whenModal(QObject* owner, std::function<void(Dialog&)> body)
{
    auto* timer = new QTimer(owner);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, body] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            body(*dialog);
        }
    });
    timer->start();
}

} // namespace vorbix::test
