#pragma once

#include "core/monitor/TMonitor.h"

#include <QObject>

namespace vorbix::ui {

// The monitor setup of the run: the monitoring page edits it, monitor mode switches its messages,
// and the status shows whether it is saved. Whoever changes it announces the change; the others
// subscribe.
class MonitorSetup : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    monitor::TMonitor data;

    // Another setup was read (or a file named), replacing the messages.
    void announceReplaced()
    {
        emit replaced();
        emit changed();
    }
    // Messages or events were added, edited or removed, or the setup was saved.
    void announceChanged() { emit changed(); }

signals:
    void replaced();
    void changed();
};

} // namespace vorbix::ui
