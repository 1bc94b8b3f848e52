// How fast the simulated receiver answers, and how long the same exchange takes on a real line.

#include "core/link/Checksum.h"
#include "tools/rxsim/SimReceiver.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vorbix;
using namespace vorbix::rxsim;

std::string readRequest(unsigned first, unsigned last)
{
    const std::string record = ":05000009" + link::HexWord(first) + link::HexWord(last) + "00";
    return record + link::Checksum(record) + "\r\n";
}

// The plain download: one 16-byte read per line of the record memory. The counter "line_s" is
// what the characters of both directions would take on an 8N1 line at 19200 bit/s.
void BM_PlainDownload(benchmark::State& state)
{
    SimMemory memory{SimModel{}};
    std::string error;
    static_cast<void>(memory.fillRandom(200, 1, error));
    SimReceiver receiver(memory, SimFaults{}, {});
    const auto now = SimReceiver::Clock::now();
    std::size_t characters = 0;
    for (auto _ : state) {
        characters = 0;
        for (unsigned p = memory.model().memStart; p <= memory.model().memEnd; p += 16) {
            const std::string request = "UUU" + readRequest(p, p + 15);
            receiver.receive(request, now);
            const std::string answer = receiver.takeOutput();
            characters += request.size() + answer.size();
            benchmark::DoNotOptimize(answer.data());
        }
    }
    state.counters["line_s"] = static_cast<double>(characters) * 10 / 19200;
    state.counters["chars"] = static_cast<double>(characters);
}
BENCHMARK(BM_PlainDownload);

// The dump read of the whole record memory in one request.
void BM_DumpRead(benchmark::State& state)
{
    SimMemory memory{SimModel{}};
    SimReceiver receiver(memory, SimFaults{}, {});
    const auto now = SimReceiver::Clock::now();
    const std::string request = "UUU" + readRequest(memory.model().memStart, memory.model().memEnd);
    std::size_t characters = 0;
    for (auto _ : state) {
        receiver.receive(request, now);
        const std::string answer = receiver.takeOutput();
        characters = request.size() + answer.size();
        benchmark::DoNotOptimize(answer.data());
    }
    state.counters["line_s"] = static_cast<double>(characters) * 10 / 19200;
}
BENCHMARK(BM_DumpRead);

} // namespace
