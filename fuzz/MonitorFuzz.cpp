// Monitor setup files come from other machines and older versions; whatever one holds must read
// without harm, and what the program writes of what it read must read back to the same setup.

#include "core/monitor/MonitorFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vorbix::monitor;
    const std::string_view content(reinterpret_cast<const char*>(data), size);

    std::vector<TMonitorData> messages;
    static_cast<void>(parseMonitorSetup(content, messages));
    const std::string written = formatMonitorSetup(messages);
    std::vector<TMonitorData> again;
    if (parseMonitorSetup(written, again) != MonitorParse::Loaded || formatMonitorSetup(again) != written) {
        std::abort(); // a setup the program writes must read back as written
    }
    return 0;
}
