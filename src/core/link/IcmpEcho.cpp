#include "core/link/IcmpEcho.h"

#include "core/base/Clock.h"

#include <arpa/inet.h>
#include <array>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vorbix::link {
namespace {

constexpr std::size_t kDataBytes = 56;
constexpr int kTtl = 64;
constexpr std::chrono::milliseconds kPollSlice{20};

uint16_t internetChecksum(const unsigned char* data, std::size_t length)
{
    uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        sum += static_cast<uint32_t>(data[i] << 8 | data[i + 1]);
    }
    if (length % 2 != 0) {
        sum += static_cast<uint32_t>(data[length - 1] << 8);
    }
    while (sum >> 16) {
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    return static_cast<uint16_t>(~sum);
}

class Socket
{
public:
    explicit Socket(int descriptor) : fd(descriptor) {}
    ~Socket()
    {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    const int fd;
};

bool refused(int error)
{
    return error == EACCES || error == EPERM || error == EPROTONOSUPPORT || error == EAFNOSUPPORT;
}

// Whether a received packet is the reply to our request. A datagram socket hands over the ICMP
// message alone, with the identifier already matched by the system; a raw socket sees every ICMP
// packet of the host, with its IP header in front.
bool isOurReply(const unsigned char* packet, std::size_t length, bool raw, uint16_t id, uint16_t sequence)
{
    std::size_t offset = 0;
    if (raw) {
        if (length < 20) {
            return false;
        }
        offset = static_cast<std::size_t>(packet[0] & 0x0F) * 4;
    }
    if (length < offset + 8) {
        return false;
    }
    const unsigned char* icmp = packet + offset;
    const uint16_t replyId = static_cast<uint16_t>(icmp[4] << 8 | icmp[5]);
    const uint16_t replySequence = static_cast<uint16_t>(icmp[6] << 8 | icmp[7]);
    return icmp[0] == ICMP_ECHOREPLY && replySequence == sequence && (!raw || replyId == id);
}

} // namespace

PingResult PingOnce(const std::string& address, std::chrono::milliseconds timeout, Clock& clock,
                    const std::function<void()>& pump)
{
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    if (::inet_pton(AF_INET, address.c_str(), &peer.sin_addr) != 1) {
        return PingResult::NoReply;
    }

    bool raw = false;
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (fd < 0 && refused(errno)) {
        raw = true;
        fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    }
    if (fd < 0) {
        return refused(errno) ? PingResult::NotPermitted : PingResult::NoReply;
    }
    const Socket socket(fd);
    ::setsockopt(fd, IPPROTO_IP, IP_TTL, &kTtl, sizeof kTtl);

    const auto id = static_cast<uint16_t>(::getpid() & 0xFFFF);
    const uint16_t sequence = 1;
    std::array<unsigned char, 8 + kDataBytes> request{};
    request[0] = ICMP_ECHO;
    request[4] = static_cast<unsigned char>(id >> 8);
    request[5] = static_cast<unsigned char>(id);
    request[6] = static_cast<unsigned char>(sequence >> 8);
    request[7] = static_cast<unsigned char>(sequence);
    for (std::size_t i = 0; i < kDataBytes; ++i) {
        request[8 + i] = static_cast<unsigned char>(i);
    }
    const uint16_t sum = internetChecksum(request.data(), request.size());
    request[2] = static_cast<unsigned char>(sum >> 8);
    request[3] = static_cast<unsigned char>(sum);

    if (::sendto(fd, request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) < 0) {
        return PingResult::NoReply;
    }

    const auto deadline = clock.now() + timeout;
    std::array<unsigned char, 1500> packet{};
    for (;;) {
        const ssize_t n = ::recv(fd, packet.data(), packet.size(), MSG_DONTWAIT);
        if (n > 0 && isOurReply(packet.data(), static_cast<std::size_t>(n), raw, id, sequence)) {
            return PingResult::Reply;
        }
        if (n > 0) {
            continue;
        }
        const auto now = clock.now();
        if (now >= deadline) {
            return PingResult::NoReply;
        }
        if (pump) {
            pump();
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
        pollfd pfd{fd, POLLIN, 0};
        ::poll(&pfd, 1, static_cast<int>(std::min(left, kPollSlice).count()) + 1);
    }
}

} // namespace vorbix::link
