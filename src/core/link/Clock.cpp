#include "core/link/Clock.h"

#include <thread>

namespace vorbix::link {
namespace {

class SteadyClock final : public Clock
{
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
    void sleepFor(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }
};

} // namespace

Clock& Clock::system()
{
    static SteadyClock clock;
    return clock;
}

} // namespace vorbix::link
