#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QLocalServer;

namespace vorbix::ui {

// The running copy's door for a second start on the same program folder: the copy holding the
// folder's lock listens under a name taken from the lock, and a second start calls there before
// it ends, so that the running window comes to the front instead of nothing happening.
class InstanceBeacon : public QObject
{
    Q_OBJECT
public:
    explicit InstanceBeacon(QObject* parent = nullptr);
    ~InstanceBeacon() override;

    // Listens under `name`; `onCall` runs for every call. Only the holder of the lock may listen,
    // so a name left behind by a copy that crashed is taken over.
    bool listen(const QString& name, std::function<void()> onCall);
    // Calls the copy listening under `name`; false when none answers within a second.
    static bool call(const QString& name);

private:
    QLocalServer* m_server = nullptr;
    std::function<void()> m_onCall;
};

// The listening name of the copy whose lock file is `lockPath`.
QString beaconName(const std::string& lockPath);

} // namespace vorbix::ui
