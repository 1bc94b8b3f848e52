#include "ui/app/StatusRefresher.h"

#include <QMetaObject>

namespace vorbix::ui {

StatusRefresher::StatusRefresher(std::function<void()> update, QObject* parent)
    : QObject(parent), m_update(std::move(update))
{
}

void StatusRefresher::request()
{
    if (!m_stopped && m_coalescer.request()) {
        schedule();
    }
}

void StatusRefresher::stop()
{
    m_stopped = true;
}

void StatusRefresher::schedule()
{
    QMetaObject::invokeMethod(this, &StatusRefresher::run, Qt::QueuedConnection);
}

void StatusRefresher::run()
{
    if (m_stopped) {
        return;
    }
    m_coalescer.beginRun();
    m_update();
    ++m_updatesRun;
    if (m_coalescer.endRun()) {
        schedule();
    }
}

} // namespace vorbix::ui
