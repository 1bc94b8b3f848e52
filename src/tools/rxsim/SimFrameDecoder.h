#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorbix::rxsim {

// The gateway side of the framed TCP mode (port 5000). Every frame is: 2-byte little-endian total
// length, a code, a 0 byte, then the body. Code 6 carries N (one byte) and N bytes for the
// receiver; code 7 (sent once at connect) and other codes are swallowed. Frames may arrive split
// or several in one block.
class SimFrameDecoder
{
public:
    // Returns the bytes meant for the receiver; what was swallowed or refused goes to `notes`.
    std::string feed(std::string_view bytes, std::vector<std::string>& notes);
    void reset() { m_pending.clear(); }

private:
    std::string m_pending;
};

} // namespace vorbix::rxsim
