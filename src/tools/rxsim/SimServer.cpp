#include "tools/rxsim/SimServer.h"

#include "core/link/GatewayFrame.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vorbix::rxsim {
namespace {

constexpr std::size_t kReadChunk = 4096;
constexpr std::size_t kMaxLineBacklog = 1 << 20;
constexpr std::size_t kMaxControlClients = 8;
constexpr std::size_t kMaxControlLine = 4096;

} // namespace

SimServer::SimServer(const SimOptions& options, SimMemory& memory, SimReceiver::LogSink log)
    : m_options(options), m_log(std::move(log)), m_receiver(memory, options.faults, m_log),
      m_control(m_receiver, memory, options.report, options.folder), m_pacer(options.baud)
{
    m_control.setLineDropper([this](unsigned refuseMs) { return dropLine(refuseMs); });
    m_control.setRateStarter([this](double perSecond, unsigned count) {
        m_eventRate.start(perSecond, count, m_options.eventCommand, m_options.seed, SimReceiver::Clock::now());
    });
}

SimServer::~SimServer()
{
    if (m_client >= 0) {
        ::close(m_client);
    }
    for (const ControlClient& client : m_controlClients) {
        ::close(client.fd);
    }
}

bool SimServer::start(const std::vector<std::string>& scriptLines, std::string& error)
{
    if (!m_options.tcp.empty()) {
        m_listener = std::make_unique<SimTcpListener>();
        if (!m_listener->listen(m_options.tcp, error)) {
            return false;
        }
        m_framed = link::IsFramedPort(static_cast<int>(m_listener->port()));
    } else {
        m_pty = std::make_unique<SimPty>();
        if (!m_pty->open(m_options.pty, error)) {
            return false;
        }
    }
    if (!m_options.control.empty()) {
        m_controlListener = std::make_unique<SimTcpListener>();
        if (!m_controlListener->listen(m_options.control, error)) {
            return false;
        }
    }
    if (!m_script.parse(scriptLines, error)) {
        error = m_options.events + ": " + error;
        return false;
    }
    m_script.start(SimReceiver::Clock::now());
    m_eventRate.start(m_options.eventRate, m_options.eventCount, m_options.eventCommand, m_options.seed,
                      SimReceiver::Clock::now());
    return true;
}

std::string SimServer::description() const
{
    std::string text;
    if (m_listener) {
        text =
            "tcp=" + m_listener->address() + ":" + std::to_string(m_listener->port()) + (m_framed ? " framed" : " raw");
    } else {
        text = "pty=" + m_options.pty + " device=" + m_pty->devicePath();
    }
    if (m_controlListener) {
        text += " control=" + m_controlListener->address() + ":" + std::to_string(m_controlListener->port());
    }
    return text;
}

int SimServer::lineFd() const
{
    return m_pty ? m_pty->fd() : m_client;
}

void SimServer::run(int stopFd)
{
    while (!m_control.quitRequested()) {
        std::vector<pollfd> fds;
        fds.push_back({stopFd, POLLIN, 0});
        const bool listening = m_listener && m_client < 0;
        if (listening) {
            fds.push_back({m_listener->fd(), POLLIN, 0});
        }
        const std::size_t lineIndex = fds.size();
        if (lineFd() >= 0) {
            fds.push_back({lineFd(), static_cast<short>(POLLIN | (m_lineOut.empty() ? 0 : POLLOUT)), 0});
        }
        const std::size_t controlListenIndex = fds.size();
        if (m_controlListener && m_controlClients.size() < kMaxControlClients) {
            fds.push_back({m_controlListener->fd(), POLLIN, 0});
        }
        const std::size_t controlIndex = fds.size();
        for (const ControlClient& client : m_controlClients) {
            fds.push_back({client.fd, static_cast<short>(POLLIN | (client.out.empty() ? 0 : POLLOUT)), 0});
        }

        // Waits to the nanosecond for the next deadline: a line pacer or a pulse end waking up to a
        // millisecond late would make every answer late.
        const std::optional<timespec> timeout = pollTimeout(SimReceiver::Clock::now());
        const int ready = ::ppoll(fds.data(), fds.size(), timeout ? &*timeout : nullptr, nullptr);
        if (ready < 0 && errno != EINTR) {
            m_log("poll failed; ending");
            return;
        }
        if (fds[0].revents != 0) {
            m_log("signal received; ending");
            return;
        }
        const TimePoint now = SimReceiver::Clock::now();
        if (listening && fds[1].revents != 0) {
            acceptLineClient();
        }
        if (lineIndex < controlListenIndex && fds[lineIndex].fd == lineFd()) {
            if ((fds[lineIndex].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
                readLine(now);
            }
        }
        if (controlListenIndex < controlIndex && fds[controlListenIndex].revents != 0) {
            acceptControlClient();
        }
        const std::size_t clientsPolled = fds.size() - controlIndex;
        for (std::size_t i = 0; i < clientsPolled && i < m_controlClients.size(); ++i) {
            serviceControlClient(m_controlClients[i], fds[controlIndex + i].revents);
        }
        std::erase_if(m_controlClients, [](const ControlClient& c) { return c.fd < 0; });
        for (const std::string& command : m_script.due(now)) {
            m_log("script: " + command + " -> " + runCommand(command, "script"));
        }
        for (const std::string& command : m_eventRate.due(now)) {
            m_log("rate: " + command + " -> " + runCommand(command, "rate"));
        }
        pumpOutput(now);
    }
    // Let the answer to quit reach its sender.
    for (ControlClient& client : m_controlClients) {
        if (!client.out.empty()) {
            static_cast<void>(::send(client.fd, client.out.data(), client.out.size(), MSG_NOSIGNAL));
        }
    }
    m_log("quit command; ending");
}

std::optional<timespec> SimServer::pollTimeout(TimePoint now) const
{
    std::optional<TimePoint> next;
    for (const auto& candidate :
         {m_receiver.nextDeadline(), m_pacer.nextDeadline(), m_script.nextDeadline(), m_eventRate.nextDeadline()}) {
        if (candidate && (!next || *candidate < *next)) {
            next = candidate;
        }
    }
    if (!next) {
        return std::nullopt;
    }
    const auto wait =
        std::clamp<std::chrono::nanoseconds>(*next - now, std::chrono::nanoseconds(0), std::chrono::seconds(60));
    return timespec{static_cast<time_t>(wait.count() / 1'000'000'000), static_cast<long>(wait.count() % 1'000'000'000)};
}

std::string SimServer::dropLine(unsigned refuseMs)
{
    if (!m_listener) {
        return "ERR only a TCP gateway drops its connection";
    }
    const bool connected = m_client >= 0;
    closeLineClient("dropped by the control command");
    m_refuseUntil = SimReceiver::Clock::now() + std::chrono::milliseconds(refuseMs);
    return std::string(connected ? "OK dropped" : "OK no client") + ", refusing clients for " +
           std::to_string(refuseMs) + " ms";
}

void SimServer::acceptLineClient()
{
    const int fd = m_listener->accept();
    if (fd < 0) {
        return;
    }
    if (SimReceiver::Clock::now() < m_refuseUntil) {
        // A gateway whose receiver side is down: the connect completes, then the line closes.
        ::close(fd);
        m_log("client refused: the gateway is down");
        return;
    }
    m_client = fd;
    m_receiver.resetLine();
    m_frames.reset();
    m_pacer.clear();
    m_lineOut.clear();
    m_log("client connected");
}

void SimServer::closeLineClient(const std::string& why)
{
    if (m_client < 0) {
        return;
    }
    ::close(m_client);
    m_client = -1;
    m_pacer.clear();
    m_lineOut.clear();
    m_receiver.resetLine();
    m_log("client gone: " + why);
}

void SimServer::readLine(TimePoint now)
{
    char buffer[kReadChunk];
    const ssize_t n = ::read(lineFd(), buffer, sizeof buffer);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
        return;
    }
    if (n <= 0) {
        if (m_pty) {
            return; // the simulator holds the terminal open itself, so this does not happen
        }
        closeLineClient(n == 0 ? "closed by the client" : "read error");
        return;
    }
    std::string_view bytes(buffer, static_cast<std::size_t>(n));
    bool closeAfter = false;
    const unsigned limit = m_options.faults.closeAfterBytes;
    if (m_client >= 0 && limit != 0 && !m_closeFaultDone && m_received + bytes.size() >= limit) {
        bytes = bytes.substr(0, limit - m_received);
        closeAfter = true;
        m_closeFaultDone = true;
    }
    m_received += bytes.size();
    if (m_framed) {
        std::vector<std::string> notes;
        const std::string passed = m_frames.feed(bytes, notes);
        for (const std::string& note : notes) {
            m_log("gateway: " + note);
        }
        m_receiver.receive(passed, now);
    } else {
        m_receiver.receive(bytes, now);
    }
    if (closeAfter) {
        pumpOutput(now);
        writeLine();
        closeLineClient("fault: closed after " + std::to_string(limit) + " bytes");
    }
}

void SimServer::pumpOutput(TimePoint now)
{
    m_receiver.tick(now);
    const std::string out = m_receiver.takeOutput();
    if (lineFd() >= 0) {
        m_pacer.push(out, now);
    }
    m_lineOut += m_pacer.take(now);
    if (m_lineOut.size() > kMaxLineBacklog) {
        m_log("nobody reads the line; " + std::to_string(m_lineOut.size()) + " bytes dropped");
        m_lineOut.clear();
    }
    writeLine();
}

void SimServer::writeLine()
{
    if (lineFd() < 0 || m_lineOut.empty()) {
        return;
    }
    const ssize_t n = m_pty ? ::write(lineFd(), m_lineOut.data(), m_lineOut.size())
                            : ::send(lineFd(), m_lineOut.data(), m_lineOut.size(), MSG_NOSIGNAL);
    if (n > 0) {
        m_lineOut.erase(0, static_cast<std::size_t>(n));
    } else if (n < 0 && errno != EAGAIN && errno != EINTR && !m_pty) {
        closeLineClient("write error");
    }
}

void SimServer::acceptControlClient()
{
    const int fd = m_controlListener->accept();
    if (fd >= 0) {
        m_controlClients.push_back({fd, {}, {}});
    }
}

void SimServer::serviceControlClient(ControlClient& client, short events)
{
    if ((events & (POLLIN | POLLHUP | POLLERR)) != 0) {
        char buffer[kReadChunk];
        const ssize_t n = ::read(client.fd, buffer, sizeof buffer);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
            ::close(client.fd);
            client.fd = -1;
            return;
        }
        if (n > 0) {
            client.in.append(buffer, static_cast<std::size_t>(n));
        }
        for (std::size_t end = client.in.find('\n'); end != std::string::npos; end = client.in.find('\n')) {
            std::string line = client.in.substr(0, end);
            client.in.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            client.out += runCommand(line, "control") + "\n";
            if (m_control.quitRequested()) {
                break;
            }
        }
        if (client.in.size() > kMaxControlLine) {
            ::close(client.fd);
            client.fd = -1;
            return;
        }
    }
    if (!client.out.empty()) {
        const ssize_t n = ::send(client.fd, client.out.data(), client.out.size(), MSG_NOSIGNAL);
        if (n > 0) {
            client.out.erase(0, static_cast<std::size_t>(n));
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            ::close(client.fd);
            client.fd = -1;
        }
    }
}

std::string SimServer::runCommand(const std::string& command, const std::string& from)
{
    const std::string answer = m_control.execute(command);
    if (from == "control") {
        m_log("control: " + command + " -> " + answer);
    }
    return answer;
}

} // namespace vorbix::rxsim
