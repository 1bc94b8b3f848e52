#include "RxSimFixture.h"

#include "core/link/Checksum.h"
#include "core/link/IcmpEcho.h"
#include "support/LoopbackAddress.h"

#include <random>
#include <unistd.h>

namespace vorbix::link::test {

using namespace std::chrono_literals;

std::string lineName(Line line)
{
    switch (line) {
    case Line::PlainPty:
        return "PlainPty";
    case Line::DumpPty:
        return "DumpPty";
    case Line::TcpRaw:
        return "TcpRaw";
    case Line::TcpFramed:
        return "TcpFramed";
    }
    return "?";
}

RxSimFixture::RxSimFixture()
{
    for (int i = 0; i < 200; ++i) {
        texts.push_back("text " + std::to_string(i));
    }
    m_timings.serialSettle = 5ms;
    m_timings.dtrToRts = 1ms;
    m_timings.serialCharTimeout = 500ms;
    m_timings.tcpCharTimeout = 500ms;
    m_timings.retryPause = 5ms;
    m_timings.connectWait = 3000ms;
    m_timings.afterConnectFrame = 5ms;
    m_timings.afterTcpClose = 5ms;
    link.setTimings(m_timings);
    link.setPinger([](const std::string&) { return PingResult::Reply; });
    link.setErrorSink([this](const std::string& message) { errors.push_back(message); });
    // The retry pause runs the pump while LastError still holds the failed attempt's code.
    link.setPump([this] {
        if (const int code = link.LastError(); code != 0) {
            codesSeen.insert(code);
        }
    });
    rx.setErrorSink([this](const std::string& message) { errors.push_back(message); });
    rx.setProgressSink([this](int percent) { progress.push_back(percent); });
}

RxSimFixture::~RxSimFixture()
{
    link.Zavri();
    if (control >= 0) {
        ::close(control);
    }
}

void RxSimFixture::setCharTimeout(std::chrono::milliseconds timeout)
{
    m_timings.serialCharTimeout = timeout;
    m_timings.tcpCharTimeout = timeout;
    link.setTimings(m_timings);
}

void RxSimFixture::start(Line line, const std::string& memEnd, const std::vector<std::string>& extra)
{
    std::vector<std::string> args = modelArgs;
    args.insert(args.end(), {"--mem-end", memEnd, "--control", "127.0.0.1:0", "--log", folder.file("sim.log")});
    const std::string pty = folder.file("ttyRx");
    const std::string gateway = line == Line::TcpFramed ? vorbix::test::uniqueLoopbackAddress() : "127.0.0.1";
    switch (line) {
    case Line::PlainPty:
    case Line::DumpPty:
        args.insert(args.end(), {"--pty", pty});
        break;
    case Line::TcpRaw:
        args.insert(args.end(), {"--tcp", "127.0.0.1:0"});
        break;
    case Line::TcpFramed:
        args.insert(args.end(), {"--tcp", gateway + ":5000"});
        break;
    }
    args.insert(args.end(), extra.begin(), extra.end());
    sim = std::make_unique<rxsim::test::SimProcess>(args);
    ASSERT_TRUE(sim->ready()) << sim->errors();
    control = rxsim::test::connectLoopback("127.0.0.1", sim->port("control"));
    ASSERT_GE(control, 0);

    ConnectionSettings& s = link.Settings;
    if (line == Line::PlainPty || line == Line::DumpPty) {
        s.ConnectionType = link::ConnectionKind::ComPort;
        s.ComNumber = 9;
        s.ComSpeed = 57600;
        s.DumpRead = line == Line::DumpPty;
        link.SerialPorts[9] = pty;
    } else {
        s.ConnectionType = link::ConnectionKind::TcpIp;
        s.IPAddress = gateway;
        s.IPPort = std::to_string(sim->port("tcp"));
        s.DumpRead = false;
    }
    ASSERT_TRUE(link.Otevri()) << ::testing::PrintToString(errors);
}

std::string RxSimFixture::simMemory(unsigned first, unsigned last)
{
    std::string hex;
    for (unsigned a = first; a <= last; a += 256) {
        const unsigned count = std::min(256u, last - a + 1);
        const std::string answer =
            rxsim::test::controlCommand(control, "mem " + HexWord(a) + " " + std::to_string(count));
        if (!answer.starts_with("OK ")) {
            return "no answer: " + answer;
        }
        hex += answer.substr(3);
    }
    return hex;
}

std::string RxSimFixture::simLog() const
{
    return folder.read("sim.log");
}

int RxSimFixture::logCount(const std::string& what) const
{
    const std::string log = simLog();
    int count = 0;
    for (std::size_t at = log.find(what); at != std::string::npos; at = log.find(what, at + what.size())) {
        ++count;
    }
    return count;
}

std::string recordsImage(int records, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<unsigned> byte(0x00, 0xEF); // never an erased record
    std::string image;
    for (int i = 0; i < records * 8; ++i) {
        image += HexByte(byte(random));
    }
    return image;
}

} // namespace vorbix::link::test
