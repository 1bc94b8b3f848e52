#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vorbix::rxsim {

// An event script: control commands, one per line, run in order from the start; "sleep MS" waits
// MS milliseconds before the next line; empty lines and lines beginning with '#' are skipped.
class SimScript
{
public:
    using Clock = std::chrono::steady_clock;
    using TimePoint = Clock::time_point;

    [[nodiscard]] bool parse(const std::vector<std::string>& lines, std::string& error);
    void start(TimePoint now);
    // The commands whose time has come, in order.
    std::vector<std::string> due(TimePoint now);
    std::optional<TimePoint> nextDeadline() const;

private:
    struct Step
    {
        std::chrono::milliseconds delay{0};
        std::string command;
    };
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    TimePoint m_nextAt{};
    bool m_started = false;
};

} // namespace vorbix::rxsim
