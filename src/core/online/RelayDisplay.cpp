#include "core/online/RelayDisplay.h"

#include "core/base/TextNumbers.h"

namespace vorbix::online {
const std::string& RelayStateText(const PopisType& texts, bool on)
{
    return LangText(texts, on ? lang::kRelayOn : lang::kRelayOff);
}

std::vector<int> RelaysOn(std::uint8_t relays)
{
    std::vector<int> on;
    for (int k = 1; k <= kMaxRelays; ++k) {
        if (RelayOn(relays, k)) {
            on.push_back(k);
        }
    }
    return on;
}

} // namespace vorbix::online
