#pragma once

#include <chrono>
#include <ctime>

namespace vorbix {

// The one clock of the core: the steady time that paces waits and time-outs, and the local date and
// time that names backups and stamps lists. The program uses the system's; tests pass a fake one, so
// time-outs of seconds run in no time and file names carry a fixed moment.
class Clock
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
    // Lets `duration` pass (a fake clock just moves on).
    virtual void sleepFor(std::chrono::milliseconds duration) = 0;
    // The local date and time of the wall clock.
    virtual std::tm localTime() const = 0;

    // The clock of the process, shared by everything that is given no other.
    static Clock& system();
};

} // namespace vorbix
