#pragma once

#include "core/base/LanguageTable.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vorbix::online {

inline constexpr int kMaxRelays = 8;

// Relay k (1 to 8) is on when bit k-1 of the relay byte is set.
inline bool RelayOn(std::uint8_t relays, int k)
{
    return k >= 1 && k <= kMaxRelays && (relays & (1u << (k - 1))) != 0;
}

// Language text 303 (on) or 304 (off): what a relay state field shows. The windows show it in red
// for on and green for off.
const std::string& RelayStateText(const PopisType& texts, bool on);

// The numbers of the relays that are on, ascending.
std::vector<int> RelaysOn(std::uint8_t relays);

} // namespace vorbix::online
