#include "core/link/GatewayFrame.h"

namespace vorbix::link {

std::string PassThroughFrame(std::string_view payload)
{
    const auto n = static_cast<unsigned char>(payload.size());
    std::string frame{static_cast<char>(n + 5), '\0', '\x06', '\0', static_cast<char>(n)};
    frame += payload;
    return frame;
}

} // namespace vorbix::link
