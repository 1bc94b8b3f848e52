#pragma once

#include "core/link/ByteTransport.h"

#include <string>

namespace vorbix::link {

// A TCP connection to a receiver's network gateway: non-blocking connect, linger time 0 (a close
// resets the connection at once), no send delay.
class TcpTransport final : public ByteTransport
{
public:
    enum class ConnectState
    {
        Pending,
        Connected,
        Failed,
    };

    TcpTransport() = default;
    ~TcpTransport() override;
    TcpTransport(const TcpTransport&) = delete;
    TcpTransport& operator=(const TcpTransport&) = delete;

    // Starts connecting to a dotted IPv4 address and a port given as text. False, with nothing
    // left open and the reason in `reason`, when either is not valid or the connect cannot be
    // started.
    [[nodiscard]] bool startConnect(const std::string& address, const std::string& port, std::string& reason);
    // Waits at most `timeout` for the started connect to finish. Failed sets `errorCode` to the
    // system's code for the refusal.
    ConnectState waitConnected(std::chrono::milliseconds timeout, int& errorCode);
    void close();

    [[nodiscard]] bool send(std::string_view bytes) override;
    bool receive(std::string& into) override;
    void waitReadable(std::chrono::milliseconds timeout) override;
    void purgeInput() override;
    void purgeOutput() override {}
    bool isConnected() const override { return m_connected; }
    int remotePort() const override { return m_port; }
    int disconnectError() const override { return m_disconnectError; }
    int descriptor() const override { return m_fd; }

private:
    void dropConnection(int errorCode);

    int m_fd = -1;
    int m_port = 0;
    bool m_connected = false;
    int m_disconnectError = 0;
};

} // namespace vorbix::link
