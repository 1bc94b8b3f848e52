// Start and stop of on-line mode, the owner's requests, and the session's waits and sinks.
#include "core/online/OnlineSession.h"

#include "core/link/Komunikace.h"
#include "core/link/Rx.h"

#include <poll.h>

namespace vorbix::online {

OnlineSession::OnlineSession(link::TKomunikace& link, link::TRx& rx, const PopisType& texts)
    : m_link(link), m_rx(rx), m_texts(texts)
{
}

OnlineSession::~OnlineSession()
{
    stop();
}

bool OnlineSession::start()
{
    if (m_running || !m_wake.valid()) {
        return false;
    }
    if (m_thread.joinable()) {
        // On-line mode ended by itself; its thread is done.
        m_thread.join();
        restoreSinks();
    }
    if (!m_link.IsOpen() && !m_link.Otevri()) {
        return false;
    }
    if (!m_rx.OverHeslo()) {
        return false;
    }
    m_stop = false;
    m_cancel = false;
    {
        const std::lock_guard lock(m_requestsMutex);
        m_requests.clear();
    }
    m_pollDue.reset();
    m_lost = false;
    m_hangup = false;
    m_reconnecting = false;
    watchLinkDescriptor();
    installSinks();
    m_running = true;
    m_thread = std::thread([this] { run(); });
    return true;
}

void OnlineSession::stop()
{
    if (!m_thread.joinable()) {
        return;
    }
    requestStop();
    // A command in flight gives up at its next wait instead of running out its time-outs.
    m_link.CancelRequested = true;
    m_thread.join();
    m_link.CancelRequested = false;
    restoreSinks();
    m_link.Zavri();
    m_running = false;
}

void OnlineSession::requestStop()
{
    m_stop = true;
    m_wake.wake();
}

void OnlineSession::requestSend(const RelaySelection& selection)
{
    {
        const std::lock_guard lock(m_requestsMutex);
        m_requests.push_back({true, selection});
    }
    m_wake.wake();
}

void OnlineSession::requestRefresh()
{
    {
        const std::lock_guard lock(m_requestsMutex);
        m_requests.push_back({false, {}});
    }
    m_wake.wake();
}

void OnlineSession::discardRequests()
{
    std::deque<Request> dropped;
    {
        const std::lock_guard lock(m_requestsMutex);
        dropped.swap(m_requests);
    }
    for (const Request& request : dropped) {
        if (request.send && m_callbacks.relaysSent) {
            m_callbacks.relaysSent(false);
        }
    }
}

void OnlineSession::cancelWait()
{
    m_cancel = true;
    m_wake.wake();
}

bool OnlineSession::pause(std::chrono::milliseconds duration, bool cancellable)
{
    const auto deadline = std::chrono::steady_clock::now() + duration;
    for (;;) {
        if (stopping() || (cancellable && m_cancel)) {
            return false;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            return true;
        }
        pollfd wake{m_wake.fd(), POLLIN, 0};
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        if (::poll(&wake, 1, static_cast<int>(left.count())) > 0) {
            m_wake.drain();
            // A relay command asked for while the link is being restored cannot go: the operator
            // is told at once, not when (or if) the receiver is back.
            if (m_reconnecting) {
                discardRequests();
            }
        }
    }
}

void OnlineSession::end(EndReason reason)
{
    m_stop = true;
    m_link.Zavri();
    m_running = false;
    if (m_callbacks.ended) {
        m_callbacks.ended(reason);
    }
}

void OnlineSession::installSinks()
{
    m_linkSink = m_link.errorSink();
    m_rxSink = m_rx.errorSink();
    m_link.setErrorSink([this](const std::string& text) { report(text); });
    m_rx.setErrorSink([this](const std::string& text) { report(text); });
}

void OnlineSession::restoreSinks()
{
    m_link.setErrorSink(std::move(m_linkSink));
    m_rx.setErrorSink(std::move(m_rxSink));
    m_linkSink = nullptr;
    m_rxSink = nullptr;
}

void OnlineSession::report(const std::string& text)
{
    // While a lost link is being reopened, every failed attempt would say so; the link state tells
    // the user instead.
    if (!m_reconnecting && m_callbacks.error) {
        m_callbacks.error(text);
    }
}

} // namespace vorbix::online
