#include "core/online/WakePipe.h"

#include <fcntl.h>
#include <unistd.h>

namespace vorbix::online {

WakePipe::WakePipe()
{
    if (::pipe2(m_fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        m_fds[0] = m_fds[1] = -1;
    }
}

WakePipe::~WakePipe()
{
    for (int fd : m_fds) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void WakePipe::wake() const
{
    const char byte = 1;
    // A full pipe wakes the reader just as well.
    [[maybe_unused]] const ssize_t n = ::write(m_fds[1], &byte, 1);
}

void WakePipe::drain() const
{
    char buffer[64];
    while (::read(m_fds[0], buffer, sizeof buffer) > 0) {
    }
}

} // namespace vorbix::online
