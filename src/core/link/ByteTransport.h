#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace vorbix::link {

// A byte stream to a receiver: a serial line, a TCP connection to a gateway, or an in-memory
// stand-in for tests. Used by one thread at a time (the link serialises its callers).
class ByteTransport
{
public:
    virtual ~ByteTransport() = default;

    // Writes the whole block; false when it could not be written (the connection is gone).
    [[nodiscard]] virtual bool send(std::string_view bytes) = 0;
    // Appends whatever has already arrived to `into`, never waiting. False when the connection has
    // ended; what arrived before the end is still appended.
    virtual bool receive(std::string& into) = 0;
    // Waits at most `timeout` until something can be received or the connection ends. It may
    // return early; callers loop on their own deadline.
    virtual void waitReadable(std::chrono::milliseconds timeout) = 0;
    // Discards what arrived and was not received yet / what was written and not sent yet.
    virtual void purgeInput() = 0;
    virtual void purgeOutput() = 0;

    virtual bool isConnected() const = 0;
    // The peer's TCP port; 0 for a serial line.
    virtual int remotePort() const { return 0; }
    // The system error code with which the connection ended; 0 while connected or after an
    // orderly close.
    virtual int disconnectError() const { return 0; }
    // The descriptor to wait on with poll() for arriving bytes; -1 when there is none (in-memory
    // stand-ins). Only for waiting: reading and writing still go through this interface.
    virtual int descriptor() const { return -1; }
};

} // namespace vorbix::link
