// The listening thread: spontaneous characters, the status read after a report, the relay states,
// and the owner's requests.
#include "core/base/TextNumbers.h"
#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "core/online/LinkLiveness.h"
#include "core/online/OnlineSession.h"

#include <poll.h>

namespace vorbix::online {
namespace {

constexpr int kStatusBlockBytes = 16;
constexpr int kReadsBeforeGivingUp = 7;
// Without a descriptor (an in-memory link) the link is looked at this often.
constexpr std::chrono::milliseconds kLookWithoutDescriptor{20};

} // namespace

void OnlineSession::run()
{
    m_nextKeepAlive = std::chrono::steady_clock::now() + m_timings.keepAlive;
    // A report that arrived since the check of the receiver would be purged by the read of the
    // relay states; it is taken first, and its status read follows.
    char c = 0;
    while (!m_pollDue && m_link.JeEcho(c)) {
        takeCharacter(c);
    }
    bool online = refreshRelays(RelaySource::Start);
    while (online && !stopping()) {
        if (m_lost) {
            // An event whose read was cut off by the loss is read once the receiver is back; then
            // its status shows the relays as well.
            online = reconnect();
            discardRequests();
            online = online && (m_pollDue || refreshRelays(RelaySource::Start));
            continue;
        }
        listen();
    }
}

void OnlineSession::listen()
{
    while (!stopping() && !m_lost) {
        if (!runRequests() || m_lost) {
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        if (m_pollDue) {
            if (now >= *m_pollDue) {
                if (!statusPoll()) {
                    return;
                }
                continue;
            }
            // The receiver reported; what it sends until the read stays unread, as the read
            // starts by clearing it.
            waitForActivity(*m_pollDue, false);
            continue;
        }
        char c = 0;
        while (!m_pollDue && m_link.JeEcho(c)) {
            takeCharacter(c);
        }
        if (!linkUsable()) {
            noteLinkLost();
            return;
        }
        if (m_pollDue) {
            continue;
        }
        if (now >= m_nextKeepAlive) {
            keepAliveTick();
            continue;
        }
        waitForActivity(m_nextKeepAlive, true);
    }
}

void OnlineSession::takeCharacter(char c)
{
    switch (c) {
    case 'R':
        m_pollDue = std::chrono::steady_clock::now() + m_timings.pollDelay;
        break;
    case 'U': {
        // 'U' carries nine characters of its own; the status block says it all again.
        std::string dropped;
        static_cast<void>(m_link.PrijemDat(9, dropped));
        m_pollDue = std::chrono::steady_clock::now() + m_timings.pollDelay;
        break;
    }
    case 'O': {
        // The relay byte follows at once; a receiver that never sends it costs one character
        // time-out, not the listening.
        std::string relays;
        if (m_link.PrijemDat(1, relays) && m_callbacks.relaysShown) {
            m_callbacks.relaysShown(RelaySource::Report, static_cast<std::uint8_t>(relays[0]));
        }
        break;
    }
    default:
        break;
    }
}

void OnlineSession::keepAliveTick()
{
    m_link.KeepAlive();
    if (!m_serialDevice.empty() && serialDeviceGone(m_serialDevice)) {
        m_hangup = true;
    }
    m_nextKeepAlive = std::chrono::steady_clock::now() + m_timings.keepAlive;
    if (!linkUsable()) {
        noteLinkLost();
    }
}

void OnlineSession::waitForActivity(TimePoint until, bool watchLink)
{
    pollfd fds[2] = {{m_wake.fd(), POLLIN, 0}, {-1, POLLIN, 0}};
    const int linkFd = watchLink ? m_link.descriptor() : -1;
    fds[1].fd = linkFd;
    auto timeout = std::chrono::ceil<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
    if (watchLink && linkFd < 0) {
        timeout = std::min(timeout, kLookWithoutDescriptor);
    }
    const int ready = ::poll(fds, linkFd >= 0 ? 2 : 1, static_cast<int>(std::max<long long>(timeout.count(), 0)));
    if (ready <= 0) {
        return;
    }
    if (fds[0].revents != 0) {
        m_wake.drain();
    }
    if (linkFd >= 0 && (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        // Take what arrived before the end first; the next look finds the link unusable.
        char c = 0;
        while (!m_pollDue && m_link.JeEcho(c)) {
            takeCharacter(c);
        }
        m_hangup = true;
    }
}

bool OnlineSession::statusPoll()
{
    m_pollDue.reset();
    if (m_callbacks.busy) {
        m_callbacks.busy(true);
    }
    StatusBlock block;
    const Read read = readStatus(block);
    if (m_callbacks.busy) {
        m_callbacks.busy(false);
    }
    switch (read) {
    case Read::Done:
        break;
    case Read::NoAnswer:
        report(LangText(m_texts, lang::kOnlineNoAnswer));
        end(EndReason::NoAnswer);
        return false;
    case Read::Cancelled:
        end(EndReason::Cancelled);
        return false;
    case Read::Stopped:
        return false;
    case Read::LinkLost:
        m_pollDue = std::chrono::steady_clock::now();
        noteLinkLost();
        return true;
    }
    if (m_callbacks.relaysShown) {
        m_callbacks.relaysShown(RelaySource::Event, block.relays);
    }
    if (m_callbacks.statusShown) {
        m_callbacks.statusShown(block);
    }
    const HandOver handOver = DecideHandOver(block, m_levels, m_inDataSet);
    if (handOver.any() && m_callbacks.handedOver) {
        m_callbacks.handedOver(handOver);
    }
    m_nextKeepAlive = std::chrono::steady_clock::now() + m_timings.keepAlive;
    return true;
}

bool OnlineSession::refreshRelays(RelaySource source)
{
    StatusBlock block;
    switch (readStatus(block)) {
    case Read::Done:
        if (m_callbacks.relaysShown) {
            m_callbacks.relaysShown(source, block.relays);
        }
        m_nextKeepAlive = std::chrono::steady_clock::now() + m_timings.keepAlive;
        return true;
    case Read::NoAnswer:
        report(LangText(m_texts, lang::kOnlineNoAnswer));
        end(EndReason::NoAnswer);
        return false;
    case Read::Cancelled:
        end(EndReason::Cancelled);
        return false;
    case Read::Stopped:
        return false;
    case Read::LinkLost:
        noteLinkLost();
        return true;
    }
    return true;
}

bool OnlineSession::runRequests()
{
    for (;;) {
        Request request;
        {
            const std::lock_guard lock(m_requestsMutex);
            if (m_requests.empty()) {
                return true;
            }
            request = m_requests.front();
            m_requests.pop_front();
        }
        if (stopping()) {
            return false;
        }
        if (!linkUsable()) {
            if (request.send && m_callbacks.relaysSent) {
                m_callbacks.relaysSent(false);
            }
            noteLinkLost();
            return true;
        }
        if (!request.send) {
            if (!refreshRelays(RelaySource::Refresh)) {
                return false;
            }
            continue;
        }
        if (m_callbacks.busy) {
            m_callbacks.busy(true);
        }
        const int givenUp = SendRelayRecords(m_link, RelayRecords(request.selection));
        if (m_callbacks.busy) {
            m_callbacks.busy(false);
        }
        if (m_callbacks.relaysSent) {
            m_callbacks.relaysSent(givenUp == 0);
        }
        m_nextKeepAlive = std::chrono::steady_clock::now() + m_timings.keepAlive;
    }
}

OnlineSession::Read OnlineSession::readStatus(StatusBlock& block)
{
    for (int read = 1;; ++read) {
        if (stopping()) {
            return Read::Stopped;
        }
        if (!linkUsable()) {
            return Read::LinkLost;
        }
        std::string text;
        if (m_rx.ReadBlock('7', m_rx.Device().StatusAddr, kStatusBlockBytes, text) && DecodeStatusBlock(text, block)) {
            return Read::Done;
        }
        if (stopping()) {
            return Read::Stopped;
        }
        // A connection that has gone cannot answer however long one waits; it is reopened instead.
        if (!linkUsable()) {
            return Read::LinkLost;
        }
        if (read == kReadsBeforeGivingUp) {
            return Read::NoAnswer;
        }
        if (!waitBeforeNextRead(read)) {
            return m_cancel ? Read::Cancelled : Read::Stopped;
        }
    }
}

bool OnlineSession::waitBeforeNextRead(int wait)
{
    m_cancel = false;
    WaitProgress progress;
    progress.wait = wait;
    progress.steps = m_timings.waitSteps;
    const auto report = [this](const WaitProgress& p) {
        if (m_callbacks.waitProgress) {
            m_callbacks.waitProgress(p);
        }
    };
    report(progress);
    bool waited = true;
    for (int step = 1; step <= m_timings.waitSteps && waited; ++step) {
        waited = pause(m_timings.scaled(m_timings.waitStep), true);
        if (waited) {
            progress.step = step;
            report(progress);
        }
    }
    progress.over = true;
    report(progress);
    return waited;
}

} // namespace vorbix::online
