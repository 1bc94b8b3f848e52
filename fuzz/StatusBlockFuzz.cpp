// The status block is whatever the receiver (or a gateway's garbage) answers to a status read: its
// decode and the panel's texts must hold for every reply.

#include "core/online/StatusBlock.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vorbix::online;
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    StatusBlock block;
    if (DecodeStatusBlock(reply, block)) {
        static_cast<void>(PanelViewOf(block, ','));
        static_cast<void>(EventCodeText(block.txCode, block.code));
        static_cast<void>(TemperatureNumber(block.rawTemperature));
    }
    return 0;
}
