#pragma once

#include "core/link/ByteTransport.h"

#include <memory>

namespace vorbix {
class Clock;
}

namespace vorbix::link {

class TSerial;

// A serial port as the link's byte stream. Owns the port.
class SerialTransport final : public ByteTransport
{
public:
    // `clock` paces the waits when the line has hung up (a pseudo-terminal whose other end closed
    // reports that at once, every time it is asked).
    SerialTransport(std::unique_ptr<TSerial> port, Clock& clock);
    ~SerialTransport() override;

    [[nodiscard]] bool send(std::string_view bytes) override;
    bool receive(std::string& into) override;
    void waitReadable(std::chrono::milliseconds timeout) override;
    void purgeInput() override;
    void purgeOutput() override;
    bool isConnected() const override { return true; }
    int descriptor() const override;

    TSerial& port() { return *m_port; }

private:
    std::unique_ptr<TSerial> m_port;
    Clock& m_clock;
};

} // namespace vorbix::link
