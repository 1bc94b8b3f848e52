#include "ScriptedTransport.h"

#include "core/link/Checksum.h"

#include <algorithm>

namespace vorbix::fuzz {
namespace {

constexpr int kDisconnect = 63;
constexpr unsigned kLineBytes = 16;
constexpr unsigned kMaxLines = 256;

// The gateway on port 5000 takes framed data: five bytes of header before the payload.
std::string_view payloadOf(std::string_view sent, int port)
{
    if (port == 5000 && sent.size() >= 5 && sent[2] == '\x06') {
        sent.remove_prefix(5);
    }
    return sent;
}

bool isReadType(char type)
{
    return type == '1' || type == '7' || type == '9';
}

} // namespace

bool ScriptedTransport::send(std::string_view bytes)
{
    if (!m_connected) {
        return false;
    }
    m_lastSent = payloadOf(bytes, m_port);
    step();
    return true;
}

bool ScriptedTransport::receive(std::string& into)
{
    into += m_inbound;
    m_inbound.clear();
    return m_connected;
}

void ScriptedTransport::waitReadable(std::chrono::milliseconds timeout)
{
    if (m_inbound.empty() && (!m_connected || !step())) {
        m_clock.sleepFor(timeout);
    }
}

bool ScriptedTransport::step()
{
    if (m_input.empty()) {
        return false;
    }
    const std::uint8_t control = m_input.byte();
    const int n = control >> 2;
    switch (control & 3) {
    case 0:
        if (n == kDisconnect) {
            m_connected = false;
        } else {
            m_inbound += m_input.take(static_cast<std::size_t>(n));
        }
        break;
    case 1:
        m_inbound += m_lastSent;
        m_inbound += m_input.take(static_cast<std::size_t>(n));
        break;
    case 2:
        m_inbound += m_lastSent;
        m_inbound += answer();
        break;
    default:
        m_inbound += m_lastSent.substr(0, static_cast<std::size_t>(n));
        break;
    }
    return true;
}

std::string ScriptedTransport::answer()
{
    const std::size_t colon = m_lastSent.find(':');
    if (colon == std::string::npos) {
        return {};
    }
    const std::string_view record = std::string_view(m_lastSent).substr(colon);
    unsigned first = 0;
    unsigned last = 0;
    if (record.size() < 17 || !isReadType(record[8]) || !link::ParseHex(record.substr(9, 4), first) ||
        !link::ParseHex(record.substr(13, 4), last)) {
        return "K\r\n";
    }
    std::string lines;
    const unsigned lineCount = std::min((std::max(last, first) - first) / kLineBytes + 1, kMaxLines);
    for (unsigned line = 0; line < lineCount; ++line) {
        lines += link::HexWord(first + line * kLineBytes) + " ";
        const std::string_view bytes = m_input.take(kLineBytes);
        for (unsigned i = 0; i < kLineBytes; ++i) {
            lines += i < bytes.size() ? link::HexByte(static_cast<unsigned char>(bytes[i])) : "FF";
        }
        lines += "\r\n";
    }
    return lines + "!";
}

} // namespace vorbix::fuzz
