#include "support/LoopbackAddress.h"

#include <atomic>
#include <unistd.h>

namespace vorbix::test {

std::string uniqueLoopbackAddress()
{
    static std::atomic<unsigned> calls{0};
    // Four addresses per process id: a process id (at most 22 bits) times four spreads over the
    // 250 x 256 x 250 addresses below before two running processes could meet.
    const unsigned long n = static_cast<unsigned long>(::getpid()) * 4 + calls++ % 4;
    const unsigned long c = 1 + n % 250;
    const unsigned long b = (n / 250) % 256;
    const unsigned long a = 1 + (n / 250 / 256) % 250;
    return "127." + std::to_string(a) + "." + std::to_string(b) + "." + std::to_string(c);
}

} // namespace vorbix::test
