#include "core/link/LineSpeed.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace vorbix::link {

bool SetArbitrarySpeed(int fd, int baud)
{
    termios2 tio{};
    if (baud <= 0 || ::ioctl(fd, TCGETS2, &tio) != 0) {
        return false;
    }
    tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = static_cast<speed_t>(baud);
    tio.c_ospeed = static_cast<speed_t>(baud);
    return ::ioctl(fd, TCSETS2, &tio) == 0;
}

int CurrentSpeed(int fd)
{
    termios2 tio{};
    if (::ioctl(fd, TCGETS2, &tio) != 0) {
        return 0;
    }
    return static_cast<int>(tio.c_ospeed);
}

} // namespace vorbix::link
