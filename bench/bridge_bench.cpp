// The bridge under load: the simulated receiver (in this process, so that its log lines carry
// this process's clock) sends presses at a steady rate, `vorbixctl bridge` (its own process)
// publishes them to a real broker (Debian mosquitto, its own process, on a loopback address of
// this process's own), and a subscriber here receives them. Reported: events sent, delivered and
// lost, and the time from the receiver's status read (the read record's arrival at the simulator)
// to the delivery to the subscriber (median, 90th percentile, maximum). The exit status is 1 when
// an event that on-line mode read did not reach the subscriber.
//
//   bench_bridge                          1000 events at 1.5 per second (about 11 minutes)
//   bench_bridge --events 100 --rate 1.5  a shorter run
//
// The rate stays under two per second because on-line mode reads the status block 500 ms after
// each report: a second press inside that wait would overwrite the first in the status block.

#include "core/link/Checksum.h"
#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"
#include "tools/rxsim/SimFill.h"
#include "tools/rxsim/SimMemory.h"
#include "tools/rxsim/SimModel.h"
#include "tools/rxsim/SimOptions.h"
#include "tools/rxsim/SimServer.h"
#include "tools/rxsim/SimSetup.h"

#include <mosquitto.h>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace vorbix;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr const char* kPrefix = "bench/bridge";

struct Stamped
{
    Clock::time_point at;
    std::string text;
};

std::mutex g_mutex;
std::vector<Stamped> g_simLog;
std::vector<Stamped> g_delivered;
std::atomic<bool> g_online{false};

pid_t spawn(const std::vector<std::string>& args, const std::string& output)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(out, STDERR_FILENO);
        std::vector<std::string> copy = args;
        std::vector<char*> argv;
        for (std::string& arg : copy) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

void stop(pid_t pid)
{
    if (pid > 0) {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
    }
}

int connectTo(const std::string& address, int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<std::uint16_t>(port));
    ::inet_pton(AF_INET, address.c_str(), &to.sin_addr);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int portAfter(const std::string& text, const std::string& key)
{
    const std::size_t at = text.find(key);
    return at == std::string::npos ? 0 : std::atoi(text.c_str() + at + key.size());
}

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

int fail(const std::string& message)
{
    std::fprintf(stderr, "bench_bridge: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    unsigned events = 1000;
    std::string rate = "1.5";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--events") {
            events = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
        } else if (option == "--rate") {
            rate = argv[i + 1];
        }
    }
    const std::string broker = "/usr/sbin/mosquitto";
    if (::access(broker.c_str(), X_OK) != 0) {
        return fail("the MQTT broker (Debian mosquitto) is not installed");
    }
    char folderTemplate[] = "/tmp/vorbix-bench-bridge-XXXXXX";
    const std::string folder = ::mkdtemp(folderTemplate);
    std::string error;
    for (const char* name : {"Rx.def", "US.lng"}) {
        std::string content;
        if (!text::readFile(std::string(VORBIX_DATA_DIR) + "/" + name, content) ||
            !text::writeFileAtomically(folder + "/" + name, content, error)) {
            return fail("cannot copy " + std::string(name));
        }
    }
    const auto pid = static_cast<unsigned>(::getpid());
    const std::string address = "127." + std::to_string(100 + ((pid >> 16) & 0x3F)) + "." +
                                std::to_string((pid >> 8) & 0xFF) + "." + std::to_string(pid & 0xFF);
    std::string conf = "listener 1883 " + address + "\nallow_anonymous true\npersistence false\n";
    if (!text::writeFileAtomically(folder + "/broker.conf", conf, error)) {
        return fail(error);
    }
    const pid_t brokerPid = spawn({broker, "-c", folder + "/broker.conf"}, folder + "/broker.log");

    // The receiver, in this process.
    rxsim::SimOptions options;
    options.modelName = "KV4MUL-M";
    options.folder = VORBIX_DATA_DIR;
    options.memEnd = 0x11FF;
    options.tcp = "127.0.0.1:0";
    options.control = "127.0.0.1:0";
    rxsim::SimModel model = rxsim::namedModel(options);
    if (!rxsim::loadModelFromFolder(options.folder, model, error)) {
        return fail(error);
    }
    rxsim::applyModelOptions(options, model);
    rxsim::SimMemory memory(model);
    if (!rxsim::fillRealistic(options.folder, 8, 1, memory, error)) {
        return fail(error);
    }
    rxsim::SimServer server(options, memory, [](const std::string& line) {
        const std::lock_guard lock(g_mutex);
        g_simLog.push_back({Clock::now(), line});
    });
    if (!server.start({}, error)) {
        return fail(error);
    }
    const std::string description = server.description();
    int stopPipe[2];
    if (::pipe(stopPipe) != 0) {
        return fail("no pipe");
    }
    std::thread simThread([&server, &stopPipe] { server.run(stopPipe[0]); });

    // The subscriber.
    mosquitto_lib_init();
    mosquitto* sub = mosquitto_new("bench-subscriber", true, nullptr);
    mosquitto_message_callback_set(sub, [](mosquitto*, void*, const mosquitto_message* message) {
        const Clock::time_point now = Clock::now();
        const std::string topic = message->topic;
        const std::string payload(static_cast<const char*>(message->payload),
                                  static_cast<std::size_t>(message->payloadlen));
        if (topic == std::string(kPrefix) + "/status") {
            g_online = payload == "online";
        } else {
            const std::lock_guard lock(g_mutex);
            g_delivered.push_back({now, payload});
        }
    });
    mosquitto_connect_callback_set(sub, [](mosquitto* m, void*, int rc) {
        if (rc == 0) {
            mosquitto_subscribe(m, nullptr, (std::string(kPrefix) + "/event").c_str(), 1);
            mosquitto_subscribe(m, nullptr, (std::string(kPrefix) + "/status").c_str(), 1);
        }
    });
    const auto brokerDeadline = Clock::now() + 5s;
    while (mosquitto_connect(sub, address.c_str(), 1883, 30) != MOSQ_ERR_SUCCESS && Clock::now() < brokerDeadline) {
        std::this_thread::sleep_for(20ms);
    }
    mosquitto_loop_start(sub);

    const pid_t bridgePid = spawn({VORBIXCTL_PATH, "--folder", folder, "--tcp",
                                   "127.0.0.1:" + std::to_string(portAfter(description, "tcp=127.0.0.1:")), "bridge",
                                   "--mqtt", "mqtt://" + address + ":1883", "--topic", kPrefix},
                                  folder + "/bridge.log");
    const auto onlineDeadline = Clock::now() + 10s;
    while (!g_online && Clock::now() < onlineDeadline) {
        std::this_thread::sleep_for(20ms);
    }
    int result = 0;
    if (!g_online) {
        result = fail("the bridge did not come on-line; see " + folder + "/bridge.log");
    } else {
        std::this_thread::sleep_for(1s);
        const int control = connectTo("127.0.0.1", portAfter(description, "control=127.0.0.1:"));
        const std::string command = "rate " + rate + " " + std::to_string(events) + "\n";
        if (control < 0 || ::write(control, command.data(), command.size()) != static_cast<ssize_t>(command.size())) {
            result = fail("cannot reach the simulator's control port");
        }
        const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                            std::chrono::duration<double>(events / std::atof(rate.c_str()) + 30));
        while (Clock::now() < end) {
            {
                const std::lock_guard lock(g_mutex);
                if (g_delivered.size() >= events) {
                    break;
                }
            }
            std::this_thread::sleep_for(50ms);
        }
        std::this_thread::sleep_for(1s);
        if (control >= 0) {
            ::close(control);
        }
    }
    stop(bridgePid);
    // One byte stops the simulator thread; an empty pipe of our own always takes it.
    [[maybe_unused]] const ssize_t stopped = ::write(stopPipe[1], "x", 1);
    simThread.join();
    mosquitto_disconnect(sub);
    mosquitto_loop_stop(sub, false);
    mosquitto_destroy(sub);
    mosquitto_lib_cleanup();
    stop(brokerPid);
    if (result != 0) {
        return result;
    }

    // Each press, and the status read that followed it before the next press. A press without one
    // was overwritten in the receiver's status block by the next before on-line mode read it (the
    // receiver holds one event); that is on-line mode's limit, not the bridge's, and counted apart.
    const std::string statusRead = "read " + link::HexWord(model.statusAddr) + "-";
    std::vector<std::string> pressedTx;
    std::vector<std::optional<Clock::time_point>> readAt;
    for (const Stamped& line : g_simLog) {
        if (line.text.starts_with("rate: press ")) {
            pressedTx.push_back(line.text.substr(12, 7));
            readAt.emplace_back();
        } else if (line.text.find(statusRead) != std::string::npos && !readAt.empty() && !readAt.back()) {
            readAt.back() = line.at;
        }
    }
    // The deliveries are matched in order to the presses that were read.
    std::vector<double> latencies;
    std::size_t read = 0;
    std::size_t lost = 0;
    std::size_t next = 0;
    for (std::size_t k = 0; k < pressedTx.size(); ++k) {
        if (!readAt[k]) {
            continue;
        }
        ++read;
        const std::string tx = "\"tx\":\"" + pressedTx[k] + "\"";
        std::size_t found = next;
        while (found < g_delivered.size() && g_delivered[found].text.find(tx) == std::string::npos) {
            ++found;
        }
        if (found == g_delivered.size()) {
            ++lost;
            continue;
        }
        latencies.push_back(ms(g_delivered[found].at - *readAt[k]));
        next = found + 1;
    }
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&latencies](double fraction) {
        return latencies.empty() ? 0.0 : latencies[static_cast<std::size_t>(fraction * (latencies.size() - 1))];
    };
    std::printf("presses %zu, read by on-line mode %zu (%zu overwritten before their read), delivered %zu, "
                "lost between read and delivery %zu\n",
                pressedTx.size(), read, pressedTx.size() - read, g_delivered.size(), lost);
    std::printf("status read to delivery: median %.2f ms, 90th percentile %.2f ms, max %.2f ms\n", at(0.5), at(0.9),
                latencies.empty() ? 0.0 : latencies.back());
    return lost == 0 && pressedTx.size() == events ? 0 : 1;
}
