// Whole-memory transfers of the receiver object against the simulated receiver, on a
// pseudo-terminal paced like an 8N1 line and over loopback TCP. Each benchmark reports the
// measured time ("measured_s", also the manual time) and, on the paced line, the wire time: every
// character sent and received x 10 / baud ("wire_s"), and their ratio. The 1 s settling pause
// after opening a serial port is not part of either: the link is opened over a ready transport.
//
//   bench_link --benchmark_filter=Pty.*/57600     (about two minutes)
//   bench_link --benchmark_filter=Pty.*/9600      (about seven minutes)
//   bench_link --benchmark_filter=Tcp

#include "core/base/Clock.h"
#include "core/link/ByteTransport.h"
#include "core/link/Checksum.h"
#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "core/link/Serial.h"
#include "core/link/SerialTransport.h"
#include "core/link/TcpTransport.h"
#include "core/model/TDataSet.h"
#include "tools/rxsim/SimOptions.h"
#include "tools/rxsim/SimServer.h"
#include "tools/rxsim/SimSetup.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <thread>
#include <unistd.h>

namespace {

using namespace vorbix;
using namespace std::chrono_literals;

// A transport that counts the characters crossing it in both directions.
class CountingTransport final : public link::ByteTransport
{
public:
    explicit CountingTransport(std::unique_ptr<link::ByteTransport> inner) : m_inner(std::move(inner)) {}

    bool send(std::string_view bytes) override
    {
        m_sent += bytes.size();
        return m_inner->send(bytes);
    }
    bool receive(std::string& into) override
    {
        const std::size_t before = into.size();
        const bool alive = m_inner->receive(into);
        m_received += into.size() - before;
        return alive;
    }
    void waitReadable(std::chrono::milliseconds timeout) override { m_inner->waitReadable(timeout); }
    void purgeInput() override { m_inner->purgeInput(); }
    void purgeOutput() override { m_inner->purgeOutput(); }
    bool isConnected() const override { return m_inner->isConnected(); }
    int remotePort() const override { return m_inner->remotePort(); }
    int disconnectError() const override { return m_inner->disconnectError(); }

    std::size_t characters() const { return m_sent + m_received; }
    void reset() { m_sent = m_received = 0; }

private:
    std::unique_ptr<link::ByteTransport> m_inner;
    std::size_t m_sent = 0;
    std::size_t m_received = 0;
};

// vorbix-rxsim's server in a thread of this process: the same code and the same byte stream.
class InProcessSim
{
public:
    bool start(const std::vector<std::string>& args)
    {
        std::string error;
        if (!rxsim::parseOptions(args, m_options, error)) {
            return fail(error);
        }
        rxsim::SimModel model = rxsim::namedModel(m_options);
        if (!m_options.folder.empty() && !rxsim::loadModelFromFolder(m_options.folder, model, error)) {
            return fail(error);
        }
        rxsim::applyModelOptions(m_options, model);
        if (!rxsim::checkModel(model, error)) {
            return fail(error);
        }
        m_memory = std::make_unique<rxsim::SimMemory>(model);
        if (m_options.fill > 0 && !m_memory->fillRandom(m_options.fill, m_options.seed, error)) {
            return fail(error);
        }
        m_server = std::make_unique<rxsim::SimServer>(m_options, *m_memory, [](const std::string&) {});
        if (::pipe2(m_stop, O_CLOEXEC) != 0 || !m_server->start({}, error)) {
            return fail(error);
        }
        m_description = m_server->description();
        m_thread = std::thread([this] { m_server->run(m_stop[0]); });
        return true;
    }
    ~InProcessSim()
    {
        if (m_thread.joinable()) {
            const char byte = 1;
            [[maybe_unused]] const ssize_t n = ::write(m_stop[1], &byte, 1);
            m_thread.join();
        }
        for (int fd : m_stop) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    // The TCP port from the description ("tcp=127.0.0.1:PORT ...").
    std::string tcpPort() const
    {
        const std::size_t colon = m_description.find(':');
        const std::size_t end = m_description.find(' ', colon);
        return m_description.substr(colon + 1, end - colon - 1);
    }

private:
    bool fail(const std::string& error)
    {
        std::fprintf(stderr, "simulator: %s\n", error.c_str());
        return false;
    }

    rxsim::SimOptions m_options;
    std::unique_ptr<rxsim::SimMemory> m_memory;
    std::unique_ptr<rxsim::SimServer> m_server;
    std::thread m_thread;
    int m_stop[2] = {-1, -1};
    std::string m_description;
};

// The receiver object on a link over `transport`, logged in.
struct Receiver
{
    explicit Receiver(bool dumpRead, int connectionType)
    {
        link.Settings.ConnectionType = static_cast<link::ConnectionKind>(connectionType);
        link.Settings.DumpRead = dumpRead;
        link.setErrorSink([](const std::string& message) { std::fprintf(stderr, "link: %s\n", message.c_str()); });
        rx.setErrorSink([](const std::string& message) { std::fprintf(stderr, "rx: %s\n", message.c_str()); });
    }
    bool open(std::unique_ptr<link::ByteTransport> inner)
    {
        auto counting = std::make_unique<CountingTransport>(std::move(inner));
        counter = counting.get();
        return link.openWith(std::move(counting)) && rx.Init();
    }

    PopisType texts = PopisType(200, "?");
    link::TKomunikace link{texts};
    model::ReceiverMemory memory;
    link::TRx rx{link, memory, texts, VORBIX_DATA_DIR};
    CountingTransport* counter = nullptr;
};

// An image of every slot of the memory, none of them erased.
std::string fullImage(const model::TDevice& device)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<unsigned> byte(0x00, 0xEF);
    std::string image;
    const int bytes = device.RecordCount * device.recordLength() / 2;
    for (int i = 0; i < bytes; ++i) {
        image += link::HexByte(byte(random));
    }
    return image;
}

// Times one download and one upload, reporting each.
void transfer(benchmark::State& state, Receiver& receiver, bool upload, double baud)
{
    for (auto _ : state) {
        if (upload) {
            receiver.memory.UploadImage = fullImage(receiver.memory.Device);
            receiver.memory.Device.UsedCount = receiver.memory.Device.RecordCount;
        }
        receiver.counter->reset();
        const auto start = std::chrono::steady_clock::now();
        const bool ok = upload ? receiver.rx.UploadMemory() : receiver.rx.DownloadMemory();
        const double measured = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!ok) {
            state.SkipWithError("transfer failed");
            return;
        }
        state.SetIterationTime(measured);
        const double characters = static_cast<double>(receiver.counter->characters());
        state.counters["measured_s"] = measured;
        state.counters["chars"] = characters;
        if (baud > 0) {
            const double wire = characters * 10 / baud;
            state.counters["wire_s"] = wire;
            state.counters["ratio"] = measured / wire;
        }
    }
}

// The largest shipped model, KV4MUL-M (16-byte records): every slot the address space holds
// after the fixed blocks (1000-FFFF, 3840 records), filled.
const std::vector<std::string> kLargest = {"--folder",  VORBIX_DATA_DIR, "--model", "KV4MUL-M",
                                           "--mem-end", "FFFF",          "--fill",  "3840"};

void ptyTransfer(benchmark::State& state, bool upload, bool dumpRead)
{
    const int baud = static_cast<int>(state.range(0));
    char folder[] = "/tmp/vorbix-bench-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string pty = std::string(folder) + "/ttyRx";
    std::vector<std::string> args = kLargest;
    args.insert(args.end(), {"--pty", pty, "--baud", std::to_string(baud)});
    {
        InProcessSim sim;
        Receiver receiver(dumpRead, 0);
        if (!sim.start(args)) {
            state.SkipWithError("simulator did not start");
        } else {
            std::unique_ptr<link::TSerial> port;
            try {
                port = std::make_unique<link::TSerial>(pty, baud);
            } catch (const link::TSerialException&) {
            }
            if (!port || !receiver.open(std::make_unique<link::SerialTransport>(std::move(port), Clock::system()))) {
                state.SkipWithError("no login");
            } else {
                transfer(state, receiver, upload, baud);
            }
        }
    }
    ::rmdir(folder);
}

void BM_PtyDownload(benchmark::State& state)
{
    ptyTransfer(state, false, false);
}
void BM_PtyDumpDownload(benchmark::State& state)
{
    ptyTransfer(state, false, true);
}
void BM_PtyUpload(benchmark::State& state)
{
    ptyTransfer(state, true, false);
}

void tcpTransfer(benchmark::State& state, const std::vector<std::string>& model, bool upload)
{
    std::vector<std::string> args = model;
    args.insert(args.end(), {"--tcp", "127.0.0.1:0"});
    InProcessSim sim;
    Receiver receiver(false, 1);
    if (!sim.start(args)) {
        state.SkipWithError("simulator did not start");
        return;
    }
    auto tcp = std::make_unique<link::TcpTransport>();
    int code = 0;
    std::string reason;
    if (!tcp->startConnect("127.0.0.1", sim.tcpPort(), reason) ||
        tcp->waitConnected(3000ms, code) != link::TcpTransport::ConnectState::Connected ||
        !receiver.open(std::move(tcp))) {
        state.SkipWithError("no login");
        return;
    }
    transfer(state, receiver, upload, 0);
}

// 4096 records of 8 bytes (KV2MIN-S in 1000-8FFF).
const std::vector<std::string> k4096x8 = {"--folder",  VORBIX_DATA_DIR, "--model", "KV2MIN-S",
                                          "--mem-end", "8FFF",          "--fill",  "4096"};

void BM_TcpDownload4096x8(benchmark::State& state)
{
    tcpTransfer(state, k4096x8, false);
}
void BM_TcpDownloadLargest(benchmark::State& state)
{
    tcpTransfer(state, kLargest, false);
}
void BM_TcpUploadLargest(benchmark::State& state)
{
    tcpTransfer(state, kLargest, true);
}

BENCHMARK(BM_PtyDownload)->Arg(57600)->Arg(9600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_PtyUpload)->Arg(57600)->Arg(9600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_PtyDumpDownload)->Arg(57600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_TcpDownload4096x8)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TcpDownloadLargest)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TcpUploadLargest)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // A client that goes away must not end the simulator's thread with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
