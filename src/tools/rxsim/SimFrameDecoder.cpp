#include "tools/rxsim/SimFrameDecoder.h"

#include "core/link/Checksum.h"

namespace vorbix::rxsim {
namespace {

constexpr std::size_t kHeader = 4;
constexpr unsigned char kPassCode = 6;
constexpr unsigned char kConnectCode = 7;
// The longest frame a gateway takes: the header, the count byte and 255 bytes.
constexpr std::size_t kMaxFrame = kHeader + 1 + 255;

unsigned byteAt(const std::string& s, std::size_t i)
{
    return static_cast<unsigned char>(s[i]);
}

} // namespace

std::string SimFrameDecoder::feed(std::string_view bytes, std::vector<std::string>& notes)
{
    m_pending.append(bytes);
    std::string forReceiver;
    while (m_pending.size() >= kHeader) {
        const std::size_t length = byteAt(m_pending, 0) | byteAt(m_pending, 1) << 8;
        if (length < kHeader || length > kMaxFrame) {
            // No frame has that length: the stream is out of step, so nothing after it can be trusted.
            notes.push_back("frame length " + std::to_string(length) + " is impossible; " +
                            std::to_string(m_pending.size()) + " bytes dropped");
            m_pending.clear();
            break;
        }
        if (m_pending.size() < length) {
            break;
        }
        const unsigned code = byteAt(m_pending, 2);
        if (code == kPassCode) {
            const std::size_t count = length > kHeader ? byteAt(m_pending, kHeader) : 0;
            if (length != kHeader + 1 + count || byteAt(m_pending, 3) != 0) {
                notes.push_back("pass-through frame of length " + std::to_string(length) + " announcing " +
                                std::to_string(count) + " bytes dropped");
            } else {
                forReceiver.append(m_pending, kHeader + 1, count);
            }
        } else if (code == kConnectCode) {
            notes.push_back("connect frame swallowed");
        } else {
            notes.push_back("frame with code " + link::HexByte(code) + " swallowed");
        }
        m_pending.erase(0, length);
    }
    return forReceiver;
}

} // namespace vorbix::rxsim
