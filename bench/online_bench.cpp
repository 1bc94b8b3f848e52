// On-line mode against the simulator, run as its own process over loopback TCP:
//   BM_IdleListening: the CPU time this process uses during 30 s of listening to a silent
//     receiver ("cpu_percent" of one core; the aim is under 1 %).
//   BM_ReportToStatus: the time from the receiver's 'R' to the decoded status delivered to the
//     owner (the manual time; the aim is the 500 ms poll delay plus under 50 ms).
//
//   bench_online                                   (about 45 s)
//   bench_online --benchmark_filter=ReportToStatus

#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "core/model/TDataSet.h"
#include "core/online/OnlineSession.h"

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace vorbix;
using namespace std::chrono_literals;

// vorbix-rxsim as a process of its own, so that its CPU time is not counted here.
class SimProcess
{
public:
    bool start()
    {
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0) {
            return false;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, STDERR_FILENO);
            ::execl(VORBIX_RXSIM_PATH, VORBIX_RXSIM_PATH, "--folder", VORBIX_DATA_DIR, "--model", "KV8MOD-T",
                    "--mem-end", "17FF", "--fill", "40", "--tcp", "127.0.0.1:0", "--control", "127.0.0.1:0",
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        const std::string ready = readLine(out[0], 5s);
        ::close(out[0]);
        m_tcpPort = portAfter(ready, "tcp=127.0.0.1:");
        m_controlPort = portAfter(ready, "control=127.0.0.1:");
        return m_tcpPort > 0 && m_controlPort > 0;
    }
    ~SimProcess()
    {
        if (m_control >= 0) {
            ::close(m_control);
        }
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    int tcpPort() const { return m_tcpPort; }
    // Sends one control command and waits for its answer line.
    bool command(const std::string& line)
    {
        if (m_control < 0) {
            m_control = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_in peer{};
            peer.sin_family = AF_INET;
            peer.sin_port = htons(static_cast<uint16_t>(m_controlPort));
            ::inet_pton(AF_INET, "127.0.0.1", &peer.sin_addr);
            if (::connect(m_control, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
                return false;
            }
        }
        const std::string text = line + "\n";
        return ::send(m_control, text.data(), text.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(text.size()) &&
               readLine(m_control, 3s).starts_with("OK");
    }

private:
    static std::string readLine(int fd, std::chrono::milliseconds wait)
    {
        std::string line;
        const auto end = std::chrono::steady_clock::now() + wait;
        char c = 0;
        while (std::chrono::steady_clock::now() < end) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 100) > 0) {
                if (::read(fd, &c, 1) != 1 || c == '\n') {
                    break;
                }
                line += c;
            }
        }
        return line;
    }
    static int portAfter(const std::string& text, const std::string& key)
    {
        const std::size_t at = text.find(key);
        return at == std::string::npos ? 0 : std::atoi(text.c_str() + at + key.size());
    }

    pid_t m_pid = -1;
    int m_tcpPort = 0;
    int m_controlPort = 0;
    int m_control = -1;
};

// The program's side: link, receiver object, login and the on-line session.
struct Online
{
    explicit Online(int port)
    {
        link.Settings.ConnectionType = link::ConnectionKind::TcpIp;
        link.Settings.IPAddress = "127.0.0.1";
        link.Settings.IPPort = std::to_string(port);
        link.setPinger([](const std::string&) { return link::PingResult::Reply; });
        link.setErrorSink([](const std::string& message) { std::fprintf(stderr, "link: %s\n", message.c_str()); });
        rx.setErrorSink([](const std::string& message) { std::fprintf(stderr, "rx: %s\n", message.c_str()); });
    }
    bool start(online::OnlineCallbacks callbacks)
    {
        session.setCallbacks(std::move(callbacks));
        return rx.Init() && session.start();
    }

    PopisType texts = PopisType(310, "?");
    link::TKomunikace link{texts};
    model::ReceiverMemory memory;
    link::TRx rx{link, memory, texts, VORBIX_DATA_DIR};
    online::OnlineSession session{link, rx, texts};
};

double processCpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_IdleListening(benchmark::State& state)
{
    SimProcess sim;
    if (!sim.start()) {
        state.SkipWithError("simulator did not start");
        return;
    }
    Online online(sim.tcpPort());
    std::atomic<bool> started{false};
    online::OnlineCallbacks callbacks;
    callbacks.relaysShown = [&](online::RelaySource, std::uint8_t) { started = true; };
    if (!online.start(std::move(callbacks))) {
        state.SkipWithError("not on-line");
        return;
    }
    while (!started) {
        std::this_thread::sleep_for(10ms);
    }
    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        const auto before = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(30s);
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
        const double cpu = processCpuSeconds() - cpuBefore;
        state.SetIterationTime(wall);
        state.counters["cpu_ms"] = cpu * 1000;
        state.counters["cpu_percent"] = cpu / wall * 100;
    }
    online.session.stop();
}

void BM_ReportToStatus(benchmark::State& state)
{
    SimProcess sim;
    if (!sim.start()) {
        state.SkipWithError("simulator did not start");
        return;
    }
    Online online(sim.tcpPort());
    std::mutex mutex;
    std::condition_variable shown;
    int statuses = 0;
    int relayReads = 0;
    online::OnlineCallbacks callbacks;
    callbacks.relaysShown = [&](online::RelaySource, std::uint8_t) {
        const std::lock_guard lock(mutex);
        ++relayReads;
        shown.notify_all();
    };
    callbacks.statusShown = [&](const online::StatusBlock&) {
        const std::lock_guard lock(mutex);
        ++statuses;
        shown.notify_all();
    };
    if (!online.start(std::move(callbacks))) {
        state.SkipWithError("not on-line");
        return;
    }
    {
        std::unique_lock lock(mutex);
        shown.wait_for(lock, 5s, [&] { return relayReads > 0; });
    }
    // The control connection is made before the first measurement.
    if (!sim.command("status")) {
        state.SkipWithError("no control connection");
        return;
    }
    double worst = 0;
    for (auto _ : state) {
        std::unique_lock lock(mutex);
        const int before = statuses;
        lock.unlock();
        const auto sent = std::chrono::steady_clock::now();
        // The simulator sends the 'R' as it answers the command.
        if (!sim.command("press 0100001 1 R")) {
            state.SkipWithError("control command failed");
            return;
        }
        lock.lock();
        if (!shown.wait_for(lock, 5s, [&] { return statuses > before; })) {
            state.SkipWithError("no status");
            return;
        }
        const double latency = std::chrono::duration<double>(std::chrono::steady_clock::now() - sent).count();
        worst = std::max(worst, latency);
        state.SetIterationTime(latency);
    }
    state.counters["worst_ms"] = worst * 1000;
    online.session.stop();
}

BENCHMARK(BM_IdleListening)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_ReportToStatus)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
