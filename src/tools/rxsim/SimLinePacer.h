#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace vorbix::rxsim {

// Lets the receiver's characters out no faster than a serial line of the given rate would carry
// them (8N1: 10 bits per character). A rate of 0 lets everything out at once.
class SimLinePacer
{
public:
    using Clock = std::chrono::steady_clock;
    using TimePoint = Clock::time_point;

    explicit SimLinePacer(unsigned baud = 0) : m_baud(baud) {}

    void push(std::string_view bytes, TimePoint now);
    // The characters whose time has come.
    std::string take(TimePoint now);
    // When the next character is due; empty when nothing waits.
    std::optional<TimePoint> nextDeadline() const;
    void clear() { m_queue.clear(); }
    bool empty() const { return m_queue.empty(); }

private:
    Clock::duration characterTime() const;

    unsigned m_baud;
    std::string m_queue;
    TimePoint m_lineFreeAt{}; // when the first waiting character has fully arrived
};

} // namespace vorbix::rxsim
