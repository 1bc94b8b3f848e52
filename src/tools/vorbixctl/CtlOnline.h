#pragma once

#include "core/online/OnlineSession.h"
#include "core/online/WakePipe.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>

namespace vorbix::ctl {

class CtlSession;

// On-line mode for a command of vorbixctl: the session over the command's logged-in receiver,
// SIGINT and SIGTERM, and the main thread's wait for what the command waits for. The session's
// callbacks run on its own thread; they record what they saw and call wake().
class CtlOnline
{
public:
    enum class Outcome
    {
        Done,     // the command's condition became true
        Signal,   // SIGINT or SIGTERM
        Deadline, // the time given passed
        Ended,    // on-line mode ended by itself (its message was printed)
    };

    explicit CtlOnline(CtlSession& session);
    ~CtlOnline();
    CtlOnline(const CtlOnline&) = delete;
    CtlOnline& operator=(const CtlOnline&) = delete;

    online::OnlineSession& session() { return m_online; }

    // Goes on-line with `callbacks`; their error, waitProgress and ended are taken over (messages
    // to stderr). False, with the message printed, when on-line mode does not start.
    [[nodiscard]] bool start(online::OnlineCallbacks callbacks);
    // Wakes the main thread's wait; from any thread.
    void wake() const { m_wake.wake(); }
    // Waits until `done` is true, a signal comes, `deadline` passes or on-line mode ends.
    Outcome waitUntil(const std::function<bool()>& done,
                      std::optional<std::chrono::steady_clock::time_point> deadline = std::nullopt);
    // Ends on-line mode and closes the link.
    void stop() { m_online.stop(); }

private:
    CtlSession& m_session;
    online::OnlineSession m_online;
    online::WakePipe m_wake;
    std::atomic<bool> m_ended{false};
};

} // namespace vorbix::ctl
