#pragma once

#include <string>
#include <string_view>

// The framed mode of a network gateway: on TCP port 5000 the gateway takes every block wrapped in its
// pass-through frame; on any other port the bytes go through as they are. Whether a connection is
// framed is decided here, from the port it is connected to, and nowhere else.
namespace vorbix::link {

inline constexpr int kFramedGatewayPort = 5000;

// True when a connection to `port` carries framed data.
constexpr bool IsFramedPort(int port)
{
    return port == kFramedGatewayPort;
}

// The pass-through frame of `payload` (at most 250 bytes): total length (low byte; the high byte is
// 0), code 6, 0, the payload length, the payload.
std::string PassThroughFrame(std::string_view payload);

} // namespace vorbix::link
