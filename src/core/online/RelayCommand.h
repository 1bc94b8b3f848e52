#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorbix::link {
class TKomunikace;
}

namespace vorbix::online {

enum class RelayOperation : unsigned
{
    On = 1,
    Off = 2,
    Pulse = 3,
};

// The relay command record (type 0B) without its checksum: ":0600000B", the relay mask (bit k-1 =
// relay k), the operation, the pulse time in tenths (0000 for on and off), "10", "00".
std::string RelayRecord(std::uint8_t mask, RelayOperation operation, int pulseUnits);

// The ticked boxes of the direct control page: one mask per kind, and the pulse time in tenths.
struct RelaySelection
{
    std::uint8_t on = 0;
    std::uint8_t off = 0;
    std::uint8_t pulse = 0;
    int pulseUnits = 5;
};

// The records a selection sends, in the order on, off, pulse; a kind with no relay ticked sends
// nothing.
std::vector<std::string> RelayRecords(const RelaySelection& selection);

// Sends each record, each up to three times until the receiver acknowledges it; one that never is
// given up and the next still goes. The number of records given up.
int SendRelayRecords(link::TKomunikace& link, const std::vector<std::string>& records);

// What the operator is told when a relay command did not reach the receiver: it was not
// acknowledged, or the link was down when it was to be sent.
inline constexpr const char* kRelayCommandNotAcknowledged = "the receiver did not acknowledge the relay command";

} // namespace vorbix::online
