#pragma once

#include "FuzzInput.h"

#include "core/base/Clock.h"
#include "core/link/ByteTransport.h"

#include <string>

namespace vorbix::fuzz {

// Time that moves only when the link waits or sleeps, so a time-out costs no real time.
class FuzzClock final : public Clock
{
public:
    TimePoint now() const override { return m_now; }
    void sleepFor(std::chrono::milliseconds duration) override { m_now += duration; }
    std::tm localTime() const override { return std::tm{}; }

private:
    TimePoint m_now{};
};

// The receiver's end of the link, played from the fuzz input. Each time the program sends, and each
// time it waits with nothing to read, one step of the input says what comes back. A step is a
// control byte c, whose low two bits choose and whose upper six bits give n:
//   0  n raw bytes of the input; n = 63 ends the connection instead
//   1  the echo of what was sent last, then n raw bytes
//   2  the echo and a well-formed answer: for a read request lines "AAAA " + 32 hex digits + CR LF
//      from the read's first address on (their bytes taken from the input), then one character;
//      for any other record a status "K" + CR LF
//   3  the echo cut to n characters
// Once the input is used up the receiver stays silent and the fake clock runs out every wait.
class ScriptedTransport final : public link::ByteTransport
{
public:
    ScriptedTransport(FuzzInput& input, FuzzClock& clock, int port) : m_input(input), m_clock(clock), m_port(port) {}

    [[nodiscard]] bool send(std::string_view bytes) override;
    bool receive(std::string& into) override;
    void waitReadable(std::chrono::milliseconds timeout) override;
    void purgeInput() override { m_inbound.clear(); }
    void purgeOutput() override {}
    bool isConnected() const override { return m_connected; }
    int remotePort() const override { return m_port; }
    int disconnectError() const override { return m_connected ? 0 : 104; }

private:
    // Plays one step; false when the input is used up.
    bool step();
    // The well-formed answer to the record in m_lastSent.
    std::string answer();

    FuzzInput& m_input;
    FuzzClock& m_clock;
    int m_port;
    bool m_connected = true;
    std::string m_lastSent;
    std::string m_inbound;
};

} // namespace vorbix::fuzz
