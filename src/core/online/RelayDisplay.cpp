#include "core/online/RelayDisplay.h"

namespace vorbix::online {
namespace {

constexpr int kTextOn = 303;
constexpr int kTextOff = 304;

} // namespace

const std::string& RelayStateText(const PopisType& texts, bool on)
{
    return LangText(texts, on ? kTextOn : kTextOff);
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
