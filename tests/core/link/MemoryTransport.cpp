#include "MemoryTransport.h"

namespace vorbix::link::test {

bool MemoryTransport::send(std::string_view bytes)
{
    if (!connected) {
        return false;
    }
    blocks.emplace_back(bytes);
    std::string payload(bytes);
    if (m_port == 5000 && payload.size() >= 5 && payload[2] == '\x06') {
        payload = payload.substr(5);
    }
    m_inbound += m_receiver.feed(payload);
    return true;
}

bool MemoryTransport::receive(std::string& into)
{
    into += m_inbound;
    m_inbound.clear();
    return connected;
}

void MemoryTransport::waitReadable(std::chrono::milliseconds timeout)
{
    if (m_inbound.empty()) {
        m_clock.sleepFor(timeout);
    }
}

} // namespace vorbix::link::test
