// "History.dat" and "LowBatt.dat" are rewritten after every event, so whatever a file holds must read
// without harm, and what the program writes of it must read back to the same entries.

#include "core/lists/TBatt.h"
#include "core/lists/THistory.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vorbix::lists;
    const std::string_view content(reinterpret_cast<const char*>(data), size);

    std::vector<THistoryRec> history;
    static_cast<void>(parseHistory(content, history));
    const std::string historyText = formatHistory(history);
    std::vector<THistoryRec> historyAgain;
    static_cast<void>(parseHistory(historyText, historyAgain));
    if (formatHistory(historyAgain) != historyText) {
        std::abort(); // a history the program writes must read back as written
    }

    std::vector<TLowBatt> battery;
    static_cast<void>(parseLowBatt(content, battery));
    const std::string batteryText = formatLowBatt(battery);
    std::vector<TLowBatt> batteryAgain;
    static_cast<void>(parseLowBatt(batteryText, batteryAgain));
    if (formatLowBatt(batteryAgain) != batteryText) {
        std::abort();
    }
    return 0;
}
