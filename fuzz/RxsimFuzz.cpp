// Feeds arbitrary bytes to the simulated receiver, framed and raw, with faults on: it must never
// crash, and nothing from the line may change its configuration block.

#include "core/link/Checksum.h"
#include "tools/rxsim/SimFrameDecoder.h"
#include "tools/rxsim/SimReceiver.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vorbix::rxsim;
    if (size < 2) {
        return 0;
    }
    SimModel model;
    static_cast<void>(builtInModel(data[0] % 2 == 0 ? "KV1MOD-T" : "KV8MOD-T", model));
    SimMemory memory(model);
    SimFaults faults;
    faults.seed = data[1];
    faults.corruptEchoOfRecord = data[1] % 5;
    faults.dropReplyCharacter = data[1] % 3;
    faults.wrongDumpLine = data[1] % 7;
    SimReceiver receiver(memory, faults, {});
    const std::string_view input(reinterpret_cast<const char*>(data + 2), size - 2);
    auto now = SimReceiver::Clock::now();
    if (data[0] & 2) {
        SimFrameDecoder decoder;
        std::vector<std::string> notes;
        receiver.receive(decoder.feed(input, notes), now);
    } else {
        // Split the input at line ends and let time pass between the pieces, so pulses end and
        // half records run into the character gap.
        std::size_t start = 0;
        while (start < input.size()) {
            std::size_t end = input.find('\n', start);
            end = end == std::string_view::npos ? input.size() : end + 1;
            receiver.receive(input.substr(start, end - start), now);
            now += std::chrono::milliseconds(700);
            receiver.tick(now);
            start = end;
        }
    }
    static_cast<void>(receiver.takeOutput());
    if (memory.hex(SimMemory::kConfigAddr, 2) != vorbix::link::HexWord(model.memStart)) {
        std::abort(); // nothing the line sends may change the configuration block
    }
    return 0;
}
