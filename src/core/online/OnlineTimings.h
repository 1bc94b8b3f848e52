#pragma once

#include <chrono>
#include <vector>

namespace vorbix::online {

// The waits of on-line mode. The defaults are the program's.
struct OnlineTimings
{
    using ms = std::chrono::milliseconds;

    ms pollDelay{500};  // from the receiver's report to the status read
    ms keepAlive{6000}; // between keep-alives while listening (TCP), and serial device checks
    // After a failed status read: a wait of waitSteps x waitStep before the next read.
    ms waitStep{300};
    int waitSteps = 100;
    // Before each attempt to reopen a lost link; the last one repeats.
    std::vector<ms> reconnectDelays{ms{1000}, ms{2000}, ms{5000}, ms{10000}, ms{30000}};
    // For tests only: multiplies the long waits (the wait steps and the reconnect delays), so that
    // seven failed reads or a reconnect take moments.
    double timeScale = 1.0;

    ms scaled(ms duration) const
    {
        return std::chrono::duration_cast<ms>(std::chrono::duration<double, std::milli>(duration) * timeScale);
    }
    // The delay before reconnect attempt `attempt` (from 1).
    ms reconnectDelay(int attempt) const
    {
        if (reconnectDelays.empty()) {
            return ms{0};
        }
        const auto index = static_cast<std::size_t>(attempt < 1 ? 0 : attempt - 1);
        return scaled(reconnectDelays[std::min(index, reconnectDelays.size() - 1)]);
    }
};

} // namespace vorbix::online
