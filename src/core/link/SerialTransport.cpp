#include "core/link/SerialTransport.h"

#include "core/base/Clock.h"
#include "core/link/Serial.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace vorbix::link {

SerialTransport::SerialTransport(std::unique_ptr<TSerial> port, Clock& clock) : m_port(std::move(port)), m_clock(clock)
{
}

SerialTransport::~SerialTransport() = default;

bool SerialTransport::send(std::string_view bytes)
{
    const int count = static_cast<int>(bytes.size());
    return m_port->WriteBytes(bytes.data(), count) == count;
}

bool SerialTransport::receive(std::string& into)
{
    int waiting = m_port->BytesWaiting();
    char chunk[1024];
    while (waiting > 0) {
        // The bytes are queued already, so this read returns at once.
        const ssize_t n = ::read(m_port->Handle, chunk, std::min<std::size_t>(sizeof chunk, waiting));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        into.append(chunk, static_cast<std::size_t>(n));
        waiting -= static_cast<int>(n);
    }
    return true;
}

void SerialTransport::waitReadable(std::chrono::milliseconds timeout)
{
    pollfd pfd{m_port->Handle, POLLIN, 0};
    const int ready = ::poll(&pfd, 1, static_cast<int>(timeout.count()));
    if (ready > 0 && (pfd.revents & POLLIN) == 0) {
        // Hung up: nothing can arrive, and polling again would return at once. Let the time pass.
        m_clock.sleepFor(timeout);
    }
}

int SerialTransport::descriptor() const
{
    return m_port->Handle;
}

void SerialTransport::purgeInput()
{
    m_port->PurgeInput();
}

void SerialTransport::purgeOutput()
{
    m_port->PurgeOutput();
}

} // namespace vorbix::link
