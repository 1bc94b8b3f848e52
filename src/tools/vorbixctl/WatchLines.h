#pragma once

#include "core/online/OnlineSession.h"

#include <cstdint>
#include <ctime>
#include <string>

namespace vorbix::ctl {

// The lines `watch` prints, one per status read, relay report or link change: aligned text for a
// reader, or one JSON object per line. `when` is the local time of the line.
class WatchLines
{
public:
    explicit WatchLines(bool json) : m_json(json) {}

    std::string event(const online::StatusBlock& block, std::time_t when) const;
    std::string relays(std::uint8_t relays, std::time_t when) const;
    std::string link(online::LinkState state, int attempt, std::time_t when) const;

private:
    bool m_json;
};

} // namespace vorbix::ctl
