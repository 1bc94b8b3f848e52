// Supervision of the link while on-line: noticing that it is lost, and reopening it with back-off
// until the same receiver answers again.
#include "core/base/TextNumbers.h"
#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "core/link/Serial.h"
#include "core/online/LinkLiveness.h"
#include "core/online/OnlineSession.h"

namespace vorbix::online {
bool OnlineSession::linkUsable()
{
    return !m_hangup && m_link.isConnected();
}

void OnlineSession::noteLinkLost()
{
    if (m_lost) {
        return;
    }
    m_lost = true;
    if (m_callbacks.linkState) {
        m_callbacks.linkState(LinkState::Lost, 0);
    }
}

void OnlineSession::watchLinkDescriptor()
{
    m_serialDevice.clear();
    const int fd = m_link.descriptor();
    if (fd < 0) {
        return;
    }
    if (m_link.Settings.ConnectionType == link::ConnectionKind::TcpIp) {
        shortenDeadPeerDetection(fd);
        return;
    }
    // Only a device file that exists now can be missed later.
    const std::string device = link::SerialDevicePath(m_link.Settings.ComNumber, m_link.SerialPorts);
    if (!serialDeviceGone(device)) {
        m_serialDevice = device;
    }
}

bool OnlineSession::reconnect()
{
    m_reconnecting = true;
    m_link.Zavri();
    for (int attempt = 1;; ++attempt) {
        if (!pause(m_timings.reconnectDelay(attempt), false)) {
            m_reconnecting = false;
            return false;
        }
        if (m_callbacks.linkState) {
            m_callbacks.linkState(LinkState::Reconnecting, attempt);
        }
        m_hangup = false;
        if (!m_link.Otevri()) {
            continue;
        }
        std::string name;
        std::string password;
        if (!m_rx.CtiName(name) || !m_rx.CtiPass(password) || stopping()) {
            m_link.Zavri();
            continue;
        }
        m_reconnecting = false;
        if (name != m_rx.Device().Model || password != m_rx.Device().Password) {
            report(LangText(m_texts, lang::kOtherReceiver));
            end(EndReason::OtherReceiver);
            return false;
        }
        m_lost = false;
        watchLinkDescriptor();
        m_nextKeepAlive = std::chrono::steady_clock::now() + m_timings.keepAlive;
        if (m_callbacks.linkState) {
            m_callbacks.linkState(LinkState::Restored, attempt);
        }
        return true;
    }
}

} // namespace vorbix::online
