#pragma once

#include "core/base/Clock.h"

namespace vorbix::test {

// Time that moves only when the code under test waits or sleeps, and a wall clock fixed at `local`.
class FakeClock final : public Clock
{
public:
    TimePoint now() const override { return m_now; }
    void sleepFor(std::chrono::milliseconds duration) override { m_now += duration; }
    std::tm localTime() const override { return local; }

    std::tm local{};

private:
    TimePoint m_now{};
};

// A local date and time as the calendar gives it.
inline std::tm LocalMoment(int year, int month, int day, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

} // namespace vorbix::test
