#include "SessionRecorder.h"

#include "core/link/Checksum.h"

namespace vorbix::online::test {
namespace {

const char* sourceName(RelaySource source)
{
    switch (source) {
    case RelaySource::Start:
        return "Start";
    case RelaySource::Event:
        return "Event";
    case RelaySource::Report:
        return "Report";
    case RelaySource::Refresh:
        return "Refresh";
    }
    return "?";
}

const char* endName(EndReason reason)
{
    switch (reason) {
    case EndReason::NoAnswer:
        return "NoAnswer";
    case EndReason::Cancelled:
        return "Cancelled";
    case EndReason::OtherReceiver:
        return "OtherReceiver";
    }
    return "?";
}

} // namespace

OnlineCallbacks SessionRecorder::callbacks(std::function<void(const WaitProgress&)> onWait)
{
    OnlineCallbacks c;
    c.relaysShown = [this](RelaySource source, std::uint8_t relays) {
        add(std::string("relays ") + sourceName(source) + " " + link::HexByte(relays));
    };
    c.statusShown = [this](const StatusBlock& block) {
        const PanelView view = PanelViewOf(block);
        add("status " + view.lastTx + " " + view.lastButton + " " + (view.eventShown ? view.lastMem : "?") + " " +
            (view.lowBatteryShown ? "1" : "0") + " " + view.temperature.value_or("-"));
    };
    c.handedOver = [this](const HandOver& h) {
        add("handover " + h.txCode + " history=" + (h.history ? "1" : "0") +
            " battery=" + std::to_string(h.batteryReports));
    };
    c.waitProgress = [this, onWait](const WaitProgress& p) {
        if (p.step == 0 && !p.over) {
            add("wait " + std::to_string(p.wait) + " begins");
        }
        if (p.over) {
            add("wait " + std::to_string(p.wait) + " over");
        }
        if (onWait) {
            onWait(p);
        }
    };
    c.error = [this](const std::string& text) { add("error " + text); };
    c.linkState = [this](LinkState state, int attempt) {
        switch (state) {
        case LinkState::Lost:
            add("link lost");
            break;
        case LinkState::Reconnecting:
            add("link reconnecting " + std::to_string(attempt));
            break;
        case LinkState::Restored:
            add("link restored " + std::to_string(attempt));
            break;
        }
    };
    c.relaysSent = [this](bool acknowledged) { add(acknowledged ? "sent ok" : "sent failed"); };
    c.ended = [this](EndReason reason) { add(std::string("ended ") + endName(reason)); };
    return c;
}

void SessionRecorder::add(std::string line)
{
    {
        const std::lock_guard lock(m_mutex);
        m_lines.push_back(std::move(line));
    }
    m_changed.notify_all();
}

std::string SessionRecorder::waitFor(const std::string& prefix, std::size_t from, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    std::string found;
    m_changed.wait_for(lock, timeout, [&] {
        for (std::size_t i = from; i < m_lines.size(); ++i) {
            if (m_lines[i].starts_with(prefix)) {
                found = m_lines[i];
                return true;
            }
        }
        return false;
    });
    return found;
}

int SessionRecorder::count(const std::string& prefix) const
{
    const std::lock_guard lock(m_mutex);
    int n = 0;
    for (const std::string& line : m_lines) {
        n += line.starts_with(prefix) ? 1 : 0;
    }
    return n;
}

std::vector<std::string> SessionRecorder::lines() const
{
    const std::lock_guard lock(m_mutex);
    return m_lines;
}

std::size_t SessionRecorder::size() const
{
    const std::lock_guard lock(m_mutex);
    return m_lines.size();
}

} // namespace vorbix::online::test
