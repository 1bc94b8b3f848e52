#include "PseudoTerminal.h"

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace vorbix::link::test {

PseudoTerminal::PseudoTerminal()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0) {
        return;
    }
    const char* name = nullptr;
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 || (name = ::ptsname(m_master)) == nullptr) {
        ::close(m_master);
        m_master = -1;
        return;
    }
    m_slavePath = name;
}

PseudoTerminal::~PseudoTerminal()
{
    if (m_master >= 0) {
        ::close(m_master);
    }
}

std::string PseudoTerminal::readMaster(int timeoutMs)
{
    std::string bytes;
    pollfd pfd{m_master, POLLIN, 0};
    while (::poll(&pfd, 1, bytes.empty() ? timeoutMs : 20) > 0 && (pfd.revents & POLLIN) != 0) {
        char chunk[256];
        const ssize_t n = ::read(m_master, chunk, sizeof chunk);
        if (n <= 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return bytes;
}

void PseudoTerminal::writeMaster(const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

} // namespace vorbix::link::test
