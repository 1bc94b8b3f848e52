#pragma once

#include "core/online/OnlineSession.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace vorbix::online::test {

// Everything an on-line session tells its owner, as one text line per callback, collected from the
// session's thread:
//   relays Start|Event|Report|Refresh HH      status TX BUTTON MEM LOWBATT TEMP
//   handover TX history=0|1 battery=N         wait N begins|over
//   error TEXT    link lost|reconnecting N|restored N    sent ok|failed    ended REASON
class SessionRecorder
{
public:
    // Callbacks that record into this object; `onWait` runs as well for every wait step.
    OnlineCallbacks callbacks(std::function<void(const WaitProgress&)> onWait = {});

    void add(std::string line);
    // The first line from index `from` on that starts with `prefix`, waiting at most `timeout`;
    // empty when none came.
    std::string waitFor(const std::string& prefix, std::size_t from = 0,
                        std::chrono::milliseconds timeout = std::chrono::seconds(5));
    int count(const std::string& prefix) const;
    std::vector<std::string> lines() const;
    std::size_t size() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::string> m_lines;
};

} // namespace vorbix::online::test
