#include "core/link/TcpTransport.h"

#include <arpa/inet.h>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vorbix::link {
namespace {

// A gateway that stops reading must not block a send for ever.
constexpr int kSendStallMs = 5000;

bool parsePort(const std::string& text, int& port)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, port);
    return ec == std::errc() && ptr == end && port > 0 && port < 65536;
}

} // namespace

TcpTransport::~TcpTransport()
{
    close();
}

bool TcpTransport::startConnect(const std::string& address, const std::string& port, std::string& reason)
{
    close();
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    if (!parsePort(port, m_port)) {
        m_port = 0;
        reason = "Not a port number";
        return false;
    }
    if (::inet_pton(AF_INET, address.c_str(), &peer.sin_addr) != 1) {
        m_port = 0;
        reason = "Not an IPv4 address";
        return false;
    }
    peer.sin_port = htons(static_cast<uint16_t>(m_port));

    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    const linger noLinger{1, 0};
    ::setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &noLinger, sizeof noLinger);
    const int on = 1;
    ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);

    if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0 && errno != EINPROGRESS) {
        reason = std::strerror(errno);
        close();
        return false;
    }
    return true;
}

TcpTransport::ConnectState TcpTransport::waitConnected(std::chrono::milliseconds timeout, int& errorCode)
{
    errorCode = 0;
    if (m_fd < 0) {
        return ConnectState::Failed;
    }
    if (m_connected) {
        return ConnectState::Connected;
    }
    pollfd pfd{m_fd, POLLOUT, 0};
    if (::poll(&pfd, 1, static_cast<int>(timeout.count())) <= 0) {
        return ConnectState::Pending;
    }
    int soError = 0;
    socklen_t length = sizeof soError;
    ::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &soError, &length);
    if (soError != 0) {
        errorCode = soError;
        return ConnectState::Failed;
    }
    m_connected = true;
    m_disconnectError = 0;
    return ConnectState::Connected;
}

void TcpTransport::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
    m_fd = -1;
    m_connected = false;
}

void TcpTransport::dropConnection(int errorCode)
{
    m_connected = false;
    m_disconnectError = errorCode;
}

bool TcpTransport::send(std::string_view bytes)
{
    while (m_connected && !bytes.empty()) {
        const ssize_t n = ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd pfd{m_fd, POLLOUT, 0};
            if (::poll(&pfd, 1, kSendStallMs) > 0) {
                continue;
            }
            return false;
        }
        dropConnection(errno);
    }
    return m_connected;
}

bool TcpTransport::receive(std::string& into)
{
    char chunk[4096];
    while (m_connected) {
        const ssize_t n = ::recv(m_fd, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n > 0) {
            into.append(chunk, static_cast<std::size_t>(n));
            continue;
        }
        if (n == 0) {
            dropConnection(0);
        } else if (errno == EINTR) {
            continue;
        } else if (errno != EAGAIN && errno != EWOULDBLOCK) {
            dropConnection(errno);
        }
        break;
    }
    return m_connected;
}

void TcpTransport::waitReadable(std::chrono::milliseconds timeout)
{
    if (!m_connected) {
        return;
    }
    pollfd pfd{m_fd, POLLIN, 0};
    ::poll(&pfd, 1, static_cast<int>(timeout.count()));
}

void TcpTransport::purgeInput()
{
    std::string discarded;
    receive(discarded);
}

} // namespace vorbix::link
