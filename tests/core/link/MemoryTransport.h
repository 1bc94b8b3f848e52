#pragma once

#include "FakeReceiver.h"

#include "core/link/ByteTransport.h"
#include "support/FakeClock.h"

#include <string>
#include <vector>

namespace vorbix::link::test {

using vorbix::test::FakeClock;

// The link's byte stream to a FakeReceiver in the same thread: what is sent is answered at once,
// and a wait with nothing to read lets the fake clock run out the wait. With remotePort 5000 it
// unwraps the gateway's pass-through frames before the receiver sees them.
class MemoryTransport final : public ByteTransport
{
public:
    MemoryTransport(FakeReceiver& receiver, FakeClock& clock, int port = 0)
        : m_receiver(receiver), m_clock(clock), m_port(port)
    {
    }

    [[nodiscard]] bool send(std::string_view bytes) override;
    bool receive(std::string& into) override;
    void waitReadable(std::chrono::milliseconds timeout) override;
    void purgeInput() override { m_inbound.clear(); }
    void purgeOutput() override { ++outputPurges; }
    bool isConnected() const override { return connected; }
    int remotePort() const override { return m_port; }

    // Bytes that arrive unasked, as a receiver's spontaneous report.
    void inject(const std::string& bytes) { m_inbound += bytes; }

    std::vector<std::string> blocks; // every send, as given
    int outputPurges = 0;
    bool connected = true;

private:
    FakeReceiver& m_receiver;
    FakeClock& m_clock;
    int m_port;
    std::string m_inbound;
};

} // namespace vorbix::link::test
