#include "core/link/Komunikace.h"

#include "core/base/Clock.h"
#include "core/base/TextNumbers.h"
#include "core/link/ByteTransport.h"
#include "core/link/GatewayFrame.h"
#include "core/link/PortAccess.h"
#include "core/link/SerialTransport.h"
#include "core/link/TcpTransport.h"

#include <cerrno>
#include <cstring>

namespace vorbix::link {

TKomunikace::TKomunikace(const PopisType& languageTable) : m_languageTable(languageTable), m_clock(&Clock::system())
{
    NastavIni();
}

TKomunikace::~TKomunikace()
{
    // The owner's event processing may already be gone.
    m_pump = nullptr;
    Zavri();
}

void TKomunikace::NastavIni()
{
    m_connectionText = link::ConnectionText(Settings);
}

bool TKomunikace::Otevri()
{
    const std::lock_guard lock(m_io);
    if (m_isOpen) {
        return false;
    }
    switch (Settings.ConnectionType) {
    case ConnectionKind::ComPort:
        return openSerial();
    case ConnectionKind::TcpIp:
        return openTcp();
    }
    return false; // a number the settings file held that names no kind
}

bool TKomunikace::openWith(std::unique_ptr<ByteTransport> transport)
{
    const std::lock_guard lock(m_io);
    const ConnectionKind kind = Settings.ConnectionType;
    if (m_isOpen || !transport || (kind != ConnectionKind::ComPort && kind != ConnectionKind::TcpIp)) {
        return false;
    }
    m_transport = std::move(transport);
    m_kind = kind == ConnectionKind::ComPort ? Kind::Serial : Kind::Tcp;
    clearReceived();
    m_disconnectReported = false;
    NastavIni();
    m_isOpen = true;
    return true;
}

bool TKomunikace::openSerial()
{
    std::unique_ptr<TSerial> port;
    try {
        port = std::make_unique<TSerial>(Settings.ComNumber, Settings.ComSpeed, SerialPorts);
    } catch (const TSerialException& e) {
        reportError(LangText(m_languageTable, lang::kPortUnavailable) + " - " +
                    PortOpenFailure(e.Device, e.ErrorNumber, FileGroupName(e.Device)));
        return false;
    }
    port->SetDtr(false);
    pause(m_timings.dtrToRts);
    port->SetRts(true);
    m_transport = std::make_unique<SerialTransport>(std::move(port), *m_clock);
    m_kind = Kind::Serial;
    // The receiver needs a moment after the lines change before it listens.
    pause(m_timings.serialSettle);
    clearReceived();
    m_disconnectReported = false;
    NastavIni();
    m_isOpen = true;
    return true;
}

bool TKomunikace::openTcp()
{
    const std::string& address = Settings.IPAddress;
    const PingResult ping = m_pinger ? m_pinger(address) : PingOnce(address, m_timings.pingTimeout, *m_clock, m_pump);
    if (ping == PingResult::NoReply) {
        reportError("Can't connect to " + address);
        return false;
    }

    // One message for a failed connect: what the system said, and where the program tried.
    const auto cannotConnect = [&](const std::string& reason) {
        reportError("Can't connect: " + reason + " (" + address + ":" + Settings.IPPort + ")");
    };
    auto tcp = std::make_unique<TcpTransport>();
    std::string reason;
    if (!tcp->startConnect(address, Settings.IPPort, reason)) {
        cannotConnect(reason);
        return false;
    }
    const auto deadline = m_clock->now() + m_timings.connectWait;
    auto state = TcpTransport::ConnectState::Pending;
    int errorCode = 0;
    for (auto now = m_clock->now(); now < deadline; now = m_clock->now()) {
        pumpEvents();
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        state = tcp->waitConnected(std::min(left, m_timings.pollSlice), errorCode);
        if (state != TcpTransport::ConnectState::Pending) {
            break;
        }
    }
    // A refused connect can never complete; waiting out the rest of the time-out helps nobody.
    if (state != TcpTransport::ConnectState::Connected) {
        cannotConnect(std::strerror(state == TcpTransport::ConnectState::Failed ? errorCode : ETIMEDOUT));
        return false;
    }

    static constexpr char kConnectFrame[] = {0x04, 0x00, 0x07, 0x00};
    const bool greeted = tcp->send(std::string_view(kConnectFrame, sizeof kConnectFrame));
    m_transport = std::move(tcp);
    m_kind = Kind::Tcp;
    clearReceived();
    m_disconnectReported = false;
    if (!greeted) {
        noteDisconnected();
    }
    pause(m_timings.afterConnectFrame);
    NastavIni();
    m_isOpen = true;
    return true;
}

void TKomunikace::Zavri()
{
    const std::lock_guard lock(m_io);
    closeLocked();
}

void TKomunikace::closeLocked()
{
    const Kind kind = m_kind;
    m_transport.reset();
    m_kind = Kind::None;
    m_isOpen = false;
    clearReceived();
    if (kind == Kind::Tcp) {
        pause(m_timings.afterTcpClose);
    }
}

bool TKomunikace::PrijemDat(int count, std::string& text)
{
    const std::lock_guard lock(m_io);
    m_busy = true;
    text.clear();
    std::string collected;
    bool complete = m_transport != nullptr;
    while (complete && static_cast<int>(collected.size()) < count) {
        char c = 0;
        if (readChar(c, charDeadline(), false) != Wait::Got) {
            complete = false;
            break;
        }
        collected += c;
    }
    if (complete) {
        text = std::move(collected);
    }
    m_busy = false;
    return complete;
}

bool TKomunikace::isConnected()
{
    const std::lock_guard lock(m_io);
    return m_isOpen && m_transport && m_transport->isConnected();
}

int TKomunikace::descriptor()
{
    const std::lock_guard lock(m_io);
    return m_transport ? m_transport->descriptor() : -1;
}

bool TKomunikace::JeEcho(char& c)
{
    const std::lock_guard lock(m_io);
    c = 0;
    return m_transport != nullptr && popReceived(c);
}

void TKomunikace::KeepAlive()
{
    if (m_busy) {
        return;
    }
    std::unique_lock lock(m_io, std::try_to_lock);
    if (!lock.owns_lock() || !m_isOpen || m_kind != Kind::Tcp) {
        return;
    }
    m_busy = true;
    fillReceived(); // notices a connection that has ended
    bool alive = m_transport->isConnected();
    if (alive) {
        alive = sendBytes(framed() ? PassThroughFrame("S") : std::string("S"));
    }
    pumpEvents();
    if (!alive || !m_transport->isConnected()) {
        closeLocked();
    }
    m_busy = false;
}

TKomunikace::Wait TKomunikace::readChar(char& c, std::chrono::steady_clock::time_point deadline, bool honourCancel)
{
    for (;;) {
        // A cancel wins over what has arrived already, so it does not depend on how fast the
        // receiver answers.
        if (honourCancel && CancelRequested) {
            return Wait::Cancelled;
        }
        if (popReceived(c)) {
            return Wait::Got;
        }
        const auto now = m_clock->now();
        // Once the connection is gone nothing more can arrive: give up without waiting.
        if (now >= deadline || !m_transport->isConnected()) {
            return Wait::TimedOut;
        }
        pumpEvents();
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        m_transport->waitReadable(std::min(left, m_timings.pollSlice));
    }
}

std::chrono::steady_clock::time_point TKomunikace::charDeadline() const
{
    return m_clock->now() + (m_kind == Kind::Tcp ? m_timings.tcpCharTimeout : m_timings.serialCharTimeout);
}

bool TKomunikace::popReceived(char& c)
{
    if (m_receivedPos >= m_received.size()) {
        clearReceived();
        fillReceived();
        if (m_received.empty()) {
            return false;
        }
    }
    c = m_received[m_receivedPos++];
    return true;
}

void TKomunikace::fillReceived()
{
    if (!m_transport->receive(m_received)) {
        noteDisconnected();
    }
}

void TKomunikace::clearReceived()
{
    m_received.clear();
    m_receivedPos = 0;
}

void TKomunikace::purgeInput()
{
    clearReceived();
    m_transport->purgeInput();
}

void TKomunikace::purgeOutput()
{
    m_transport->purgeOutput();
}

bool TKomunikace::sendBytes(std::string_view bytes)
{
    if (!m_transport->send(bytes)) {
        noteDisconnected();
        return false;
    }
    return true;
}

void TKomunikace::pause(std::chrono::milliseconds duration)
{
    const auto deadline = m_clock->now() + duration;
    for (auto now = m_clock->now(); now < deadline; now = m_clock->now()) {
        pumpEvents();
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        m_clock->sleepFor(std::min(left, m_timings.pollSlice));
    }
}

void TKomunikace::pumpEvents()
{
    if (m_pump) {
        m_pump();
    }
}

void TKomunikace::reportError(const std::string& message) const
{
    if (m_errorSink) {
        m_errorSink(message);
    }
}

void TKomunikace::noteDisconnected()
{
    if (m_disconnectReported || !m_transport || m_transport->isConnected()) {
        return;
    }
    m_disconnectReported = true;
    if (const int code = m_transport->disconnectError(); code != 0) {
        reportError("Disconnected, error #" + std::to_string(code));
    }
}

bool TKomunikace::framed() const
{
    return m_transport && IsFramedPort(m_transport->remotePort());
}

} // namespace vorbix::link
