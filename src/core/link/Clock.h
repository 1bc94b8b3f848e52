#pragma once

#include <chrono>

namespace vorbix::link {

// Where the link takes its time from. The program uses the steady clock; tests pass a fake one so
// time-outs of seconds run in no time.
class Clock
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
    // Lets `duration` pass (the fake clock just moves on).
    virtual void sleepFor(std::chrono::milliseconds duration) = 0;

    // The steady clock of the process, shared by every link that is given no other.
    static Clock& system();
};

} // namespace vorbix::link
