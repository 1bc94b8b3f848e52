#include "core/link/Serial.h"

#include "core/link/LineSpeed.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace vorbix::link {
namespace {

constexpr int kWriteTimeoutConstantMs = 100;
constexpr int kWriteTimeoutPerByteMs = 2;

bool speedConstant(int baud, speed_t& speed)
{
    static const std::map<int, speed_t> speeds = {{1200, B1200},   {2400, B2400},     {4800, B4800},
                                                  {9600, B9600},   {19200, B19200},   {38400, B38400},
                                                  {57600, B57600}, {115200, B115200}, {230400, B230400}};
    const auto it = speeds.find(baud);
    if (it == speeds.end()) {
        return false;
    }
    speed = it->second;
    return true;
}

// Opens the device without waiting for carrier and takes it exclusively; -1 when it cannot be
// opened, is not a terminal, or another program holds it, with the errno of that step in `reason`.
int openExclusive(const std::string& device, int& reason)
{
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = errno;
        return -1;
    }
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        reason = errno;
        ::close(fd);
        return -1;
    }
    ::ioctl(fd, TIOCEXCL);
    return fd;
}

void setModemLine(int fd, int line, bool on)
{
    // A pseudo-terminal refuses modem control; there is nothing to drive then.
    ::ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line);
}

} // namespace

std::string SerialDevicePath(int port, const SerialPortMap& ports)
{
    const auto it = ports.find(port);
    if (it != ports.end() && !it->second.empty()) {
        return it->second;
    }
    return "/dev/ttyS" + std::to_string(port - 1);
}

TSerial::TSerial(int port, int baud, const SerialPortMap& ports) : m_device(SerialDevicePath(port, ports))
{
    open(baud);
}

TSerial::TSerial(const std::string& device, int baud) : m_device(device)
{
    open(baud);
}

void TSerial::open(int baud)
{
    int reason = 0;
    Handle = openExclusive(m_device, reason);
    if (Handle < 0) {
        throw TSerialException("Port " + m_device + " n\xEDn\xED k dispozici", m_device, reason);
    }
    // Reads wait for data from here on; the non-blocking open only avoided hanging on carrier.
    ::fcntl(Handle, F_SETFL, ::fcntl(Handle, F_GETFL) & ~O_NONBLOCK);
    SetBaudRate(baud);
    setModemLine(Handle, TIOCM_DTR | TIOCM_RTS, false);
}

TSerial::~TSerial()
{
    if (Handle >= 0) {
        ::flock(Handle, LOCK_UN);
        ::ioctl(Handle, TIOCNXCL);
        ::close(Handle);
    }
}

bool TSerial::SetBaudRate(int baud)
{
    termios tio{};
    speed_t speed = B38400;
    const bool standard = speedConstant(baud, speed);
    if (baud <= 0 || ::tcgetattr(Handle, &tio) != 0) {
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
    // An empty queue makes a read give up after 1.1 s: the 1000 ms constant plus 100 ms for the byte.
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 11;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(Handle, TCSANOW, &tio) != 0) {
        return false;
    }
    return standard || SetArbitrarySpeed(Handle, baud);
}

bool TSerial::ReadByte(unsigned char& byte)
{
    ssize_t n = 0;
    do {
        n = ::read(Handle, &byte, 1);
    } while (n < 0 && errno == EINTR);
    return n == 1;
}

bool TSerial::WriteByte(unsigned char byte)
{
    return WriteBytes(reinterpret_cast<const char*>(&byte), 1) == 1;
}

int TSerial::WriteBytes(const char* bytes, int count)
{
    // A device that stops taking data (a pseudo-terminal nobody reads) must not block the
    // writer for ever: wait at most the write time-out for room, then write no more than the
    // room the driver promised.
    constexpr int kChunk = 128;
    int written = 0;
    while (written < count) {
        pollfd pfd{Handle, POLLOUT, 0};
        const int part = std::min(kChunk, count - written);
        if (::poll(&pfd, 1, kWriteTimeoutConstantMs + kWriteTimeoutPerByteMs * part) <= 0 ||
            (pfd.revents & POLLOUT) == 0) {
            break;
        }
        const ssize_t n = ::write(Handle, bytes + written, static_cast<std::size_t>(part));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        written += static_cast<int>(n);
    }
    return written;
}

int TSerial::BytesWaiting() const
{
    int count = 0;
    if (::ioctl(Handle, FIONREAD, &count) != 0) {
        return 0;
    }
    return count;
}

int TSerial::speed() const
{
    return CurrentSpeed(Handle);
}

void TSerial::PurgeInput()
{
    ::tcflush(Handle, TCIFLUSH);
}

void TSerial::PurgeOutput()
{
    ::tcflush(Handle, TCOFLUSH);
}

void TSerial::SetDtr(bool on)
{
    setModemLine(Handle, TIOCM_DTR, on);
}

void TSerial::SetRts(bool on)
{
    setModemLine(Handle, TIOCM_RTS, on);
}

bool TSerial::PortAvailable(int port, const SerialPortMap& ports)
{
    int reason = 0;
    const int fd = openExclusive(SerialDevicePath(port, ports), reason);
    if (fd < 0) {
        return false;
    }
    ::flock(fd, LOCK_UN);
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
    return true;
}

} // namespace vorbix::link
