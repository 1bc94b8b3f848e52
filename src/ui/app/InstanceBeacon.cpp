#include "ui/app/InstanceBeacon.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace vorbix::ui {
namespace {

constexpr int kCallWaitMs = 1000;
const QByteArray kRaise = QByteArrayLiteral("raise\n");

} // namespace

InstanceBeacon::InstanceBeacon(QObject* parent) : QObject(parent) {}

InstanceBeacon::~InstanceBeacon() = default;

bool InstanceBeacon::listen(const QString& name, std::function<void()> onCall)
{
    m_onCall = std::move(onCall);
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(name); // left by a copy that ended without closing it
    if (!m_server->listen(name)) {
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = m_server->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            connect(caller, &QLocalSocket::readyRead, this, [this, caller] {
                if (caller->readAll().contains(kRaise) && m_onCall) {
                    m_onCall();
                }
                caller->disconnectFromServer();
            });
        }
    });
    return true;
}

bool InstanceBeacon::call(const QString& name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kCallWaitMs)) {
        return false;
    }
    socket.write(kRaise);
    const bool sent = socket.waitForBytesWritten(kCallWaitMs);
    // The running copy answers by closing; waiting for that keeps the message from being cut off.
    socket.waitForDisconnected(kCallWaitMs);
    return sent;
}

QString beaconName(const std::string& lockPath)
{
    return QString::fromStdString(lockPath) + QStringLiteral(".sock");
}

} // namespace vorbix::ui
