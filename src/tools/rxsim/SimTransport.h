#pragma once

#include <string>

namespace vorbix::rxsim {

// Splits "ADDR:PORT" and accepts only a dotted IPv4 loopback address (127.0.0.0/8), so the
// simulator never listens where other machines could reach it.
[[nodiscard]] bool parseLoopbackEndpoint(const std::string& text, std::string& address, unsigned& port,
                                         std::string& error);

// A listening TCP socket on a loopback address. The descriptor is non-blocking.
class SimTcpListener
{
public:
    SimTcpListener() = default;
    ~SimTcpListener();
    SimTcpListener(const SimTcpListener&) = delete;
    SimTcpListener& operator=(const SimTcpListener&) = delete;

    [[nodiscard]] bool listen(const std::string& endpoint, std::string& error);
    int fd() const { return m_fd; }
    // The port actually bound (the one asked for, or the one picked for port 0).
    unsigned port() const { return m_port; }
    const std::string& address() const { return m_address; }
    // A new non-blocking client socket, or -1 when none is waiting.
    int accept();

private:
    int m_fd = -1;
    unsigned m_port = 0;
    std::string m_address;
};

// A pseudo-terminal in raw mode with a symbolic link to its device, so that a program opens it
// like a serial port. The simulator keeps the device open itself, so that clients can come and go
// without the terminal hanging up. The link is removed when the object goes.
class SimPty
{
public:
    SimPty() = default;
    ~SimPty();
    SimPty(const SimPty&) = delete;
    SimPty& operator=(const SimPty&) = delete;

    // Refuses to replace anything at `link` but an old symbolic link.
    [[nodiscard]] bool open(const std::string& link, std::string& error);
    int fd() const { return m_master; }
    const std::string& devicePath() const { return m_device; }

private:
    int m_master = -1;
    int m_keepOpen = -1;
    std::string m_link;
    std::string m_device;
};

} // namespace vorbix::rxsim
