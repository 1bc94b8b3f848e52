#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace vorbix::rxsim {

// Events at a steady rate, for load tests: the k-th event is due k/rate seconds after the start
// (a late loop catches up instead of drifting). Each is `command`, or when that is empty a press
// of a random button 1-4 of a random transmitter "01" + five digits, the same for the same seed.
class SimEventRate
{
public:
    using Clock = std::chrono::steady_clock;
    using TimePoint = Clock::time_point;

    // `perSecond` 0 sends nothing; `count` 0 sends without end.
    void start(double perSecond, unsigned count, std::string command, unsigned seed, TimePoint now);
    // The commands whose time has come, in order.
    std::vector<std::string> due(TimePoint now);
    std::optional<TimePoint> nextDeadline() const;

private:
    TimePoint dueAt(std::uint64_t index) const;
    std::string next();

    double m_perSecond = 0;
    unsigned m_count = 0;
    std::string m_command;
    std::mt19937 m_random;
    TimePoint m_start{};
    std::uint64_t m_sent = 0;
};

} // namespace vorbix::rxsim
