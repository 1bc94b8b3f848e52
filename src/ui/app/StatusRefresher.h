#pragma once

#include "core/app/RefreshCoalescer.h"

#include <QObject>
#include <functional>

namespace vorbix::ui {

// RefreshStatus: runs the status update on the user-interface thread, later, from the event loop.
// Requests coalesce: any number while idle give one update; a request during an update gives one
// more afterwards. Nothing polls; an update runs only on request.
class StatusRefresher : public QObject
{
    Q_OBJECT
public:
    StatusRefresher(std::function<void()> update, QObject* parent);

    void request();
    // After the window's close steps: no further update runs.
    void stop();
    int updatesRun() const { return m_updatesRun; }

private:
    void run();
    void schedule();

    app::RefreshCoalescer m_coalescer;
    std::function<void()> m_update;
    bool m_stopped = false;
    int m_updatesRun = 0;
};

} // namespace vorbix::ui
