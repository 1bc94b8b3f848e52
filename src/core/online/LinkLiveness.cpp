#include "core/online/LinkLiveness.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vorbix::online {
namespace {

constexpr int kIdleSeconds = 2;
constexpr int kProbeIntervalSeconds = 1;
constexpr int kProbes = 3;
constexpr unsigned kUnacknowledgedMs = 5000;

} // namespace

bool shortenDeadPeerDetection(int tcpDescriptor)
{
    const int on = 1;
    bool ok = ::setsockopt(tcpDescriptor, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on) == 0;
    ok = ok && ::setsockopt(tcpDescriptor, IPPROTO_TCP, TCP_KEEPIDLE, &kIdleSeconds, sizeof kIdleSeconds) == 0;
    ok = ok && ::setsockopt(tcpDescriptor, IPPROTO_TCP, TCP_KEEPINTVL, &kProbeIntervalSeconds,
                            sizeof kProbeIntervalSeconds) == 0;
    ok = ok && ::setsockopt(tcpDescriptor, IPPROTO_TCP, TCP_KEEPCNT, &kProbes, sizeof kProbes) == 0;
    ok = ok &&
         ::setsockopt(tcpDescriptor, IPPROTO_TCP, TCP_USER_TIMEOUT, &kUnacknowledgedMs, sizeof kUnacknowledgedMs) == 0;
    return ok;
}

bool serialDeviceGone(const std::string& devicePath)
{
    return ::access(devicePath.c_str(), F_OK) != 0;
}

} // namespace vorbix::online
