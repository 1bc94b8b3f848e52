#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace vorbix {
class Clock;
}

namespace vorbix::link {

enum class PingResult
{
    Reply,
    NoReply,
    // Neither an unprivileged ICMP datagram socket nor a raw socket is allowed here: the check
    // cannot be made, so callers go on without it.
    NotPermitted,
};

// One ICMP echo request (56 data bytes, TTL 64) to a dotted IPv4 address, waiting at most
// `timeout` for the reply; `pump` runs between short polls. An address that is not valid gets no
// reply.
PingResult PingOnce(const std::string& address, std::chrono::milliseconds timeout, Clock& clock,
                    const std::function<void()>& pump = {});

} // namespace vorbix::link
