#pragma once

namespace vorbix::app {

// The coalescing rule of the status refresh: any number of requests while no update is pending or
// running give one update; a request during an update gives exactly one more afterwards, so no
// change of state stays unshown. The owner schedules an update whenever request() or endRun()
// says so, and brackets each update with beginRun() and endRun(). Single-threaded.
class RefreshCoalescer
{
public:
    // True when the caller must schedule an update.
    [[nodiscard]] bool request()
    {
        if (m_running) {
            m_again = true;
            return false;
        }
        if (m_pending) {
            return false;
        }
        m_pending = true;
        return true;
    }

    void beginRun()
    {
        m_pending = false;
        m_running = true;
        m_again = false;
    }

    // True when a request came during the update: the caller must schedule one more.
    [[nodiscard]] bool endRun()
    {
        m_running = false;
        if (m_again) {
            m_again = false;
            m_pending = true;
            return true;
        }
        return false;
    }

    bool pending() const { return m_pending; }
    bool running() const { return m_running; }

private:
    bool m_pending = false;
    bool m_running = false;
    bool m_again = false;
};

} // namespace vorbix::app
