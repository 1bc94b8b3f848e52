#include "tools/rxsim/SimTransport.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace vorbix::rxsim {
namespace {

std::string systemError(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

} // namespace

bool parseLoopbackEndpoint(const std::string& text, std::string& address, unsigned& port, std::string& error)
{
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos) {
        error = "'" + text + "' is not ADDR:PORT";
        return false;
    }
    address = text.substr(0, colon);
    const std::string portText = text.substr(colon + 1);
    in_addr parsed{};
    if (inet_pton(AF_INET, address.c_str(), &parsed) != 1) {
        error = "'" + address + "' is not a dotted IPv4 address";
        return false;
    }
    if ((ntohl(parsed.s_addr) >> 24) != 127) {
        error = "'" + address + "' is not a loopback address (127.0.0.0/8); refused";
        return false;
    }
    if (portText.empty() || portText.size() > 5 || portText.find_first_not_of("0123456789") != std::string::npos ||
        std::stoul(portText) > 65535) {
        error = "'" + portText + "' is not a port number";
        return false;
    }
    port = static_cast<unsigned>(std::stoul(portText));
    return true;
}

SimTcpListener::~SimTcpListener()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool SimTcpListener::listen(const std::string& endpoint, std::string& error)
{
    unsigned port = 0;
    if (!parseLoopbackEndpoint(endpoint, m_address, port, error)) {
        return false;
    }
    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_fd < 0) {
        error = systemError("socket");
        return false;
    }
    const int on = 1;
    ::setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<std::uint16_t>(port));
    inet_pton(AF_INET, m_address.c_str(), &where.sin_addr);
    if (::bind(m_fd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0) {
        error = systemError("cannot listen on " + endpoint);
        return false;
    }
    if (::listen(m_fd, 4) != 0) {
        error = systemError("listen");
        return false;
    }
    socklen_t length = sizeof where;
    ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&where), &length);
    m_port = ntohs(where.sin_port);
    return true;
}

int SimTcpListener::accept()
{
    const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd >= 0) {
        // A gateway passes each character on as it comes, without waiting to fill a segment.
        const int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    }
    return fd;
}

SimPty::~SimPty()
{
    if (!m_link.empty()) {
        ::unlink(m_link.c_str());
    }
    if (m_keepOpen >= 0) {
        ::close(m_keepOpen);
    }
    if (m_master >= 0) {
        ::close(m_master);
    }
}

bool SimPty::open(const std::string& link, std::string& error)
{
    struct stat existing
    {
    };
    if (::lstat(link.c_str(), &existing) == 0) {
        if (!S_ISLNK(existing.st_mode)) {
            error = "'" + link + "' exists and is not a symbolic link; not replaced";
            return false;
        }
        ::unlink(link.c_str());
    }
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        error = systemError("cannot create a pseudo-terminal");
        return false;
    }
    const char* name = ::ptsname(m_master);
    if (name == nullptr) {
        error = systemError("ptsname");
        return false;
    }
    m_device = name;
    m_keepOpen = ::open(m_device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_keepOpen < 0) {
        error = systemError("cannot open " + m_device);
        return false;
    }
    termios raw{};
    if (::tcgetattr(m_keepOpen, &raw) != 0) {
        error = systemError("tcgetattr");
        return false;
    }
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B19200);
    ::cfsetospeed(&raw, B19200);
    if (::tcsetattr(m_keepOpen, TCSANOW, &raw) != 0) {
        error = systemError("tcsetattr");
        return false;
    }
    const int flags = ::fcntl(m_master, F_GETFL);
    ::fcntl(m_master, F_SETFL, flags | O_NONBLOCK);
    if (::symlink(m_device.c_str(), link.c_str()) != 0) {
        error = systemError("cannot link " + link + " to " + m_device);
        return false;
    }
    m_link = link;
    return true;
}

} // namespace vorbix::rxsim
