#pragma once

#include "core/link/ConnectionSettings.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace vorbix::link {

// The device that COM `port` stands for: the mapped path, else /dev/ttyS(port-1).
std::string SerialDevicePath(int port, const SerialPortMap& ports);

// Raised only by the TSerial constructor. The message, "Port " + device + " není k dispozici", is
// code page 1250 text; the link shows its own message instead, with the reason (see PortAccess.h).
class TSerialException : public std::runtime_error
{
public:
    TSerialException(const std::string& message, std::string device, int errorNumber)
        : std::runtime_error(message), Device(std::move(device)), ErrorNumber(errorNumber)
    {
    }

    std::string Device;
    int ErrorNumber = 0; // errno of the failed step (EWOULDBLOCK: another program holds the port)
};

// One open serial port, raw 8N1 at the requested speed, no flow control. The port is taken
// exclusively (TIOCEXCL and an advisory lock), so no second program can open it meanwhile.
// Not thread-safe: one thread at a time.
class TSerial
{
public:
    // Opens COM `port` and applies the line settings; DTR and RTS are dropped until SetDtr/SetRts
    // raise them. Throws TSerialException when the device cannot be opened or is in use.
    TSerial(int port, int baud, const SerialPortMap& ports = {});
    // Opens a device by path (the same rules as above).
    TSerial(const std::string& device, int baud);
    ~TSerial();
    TSerial(const TSerial&) = delete;
    TSerial& operator=(const TSerial&) = delete;

    // One byte; waits at most about 1.1 s when nothing has arrived. True only when a byte was read.
    [[nodiscard]] bool ReadByte(unsigned char& byte);
    [[nodiscard]] bool WriteByte(unsigned char byte);
    // Writes a block; returns how many bytes went out. Each part waits at most 100 ms + 2 ms per
    // byte for the driver to take it.
    int WriteBytes(const char* bytes, int count);
    // Applies the complete line settings with this speed (any speed in bit/s, 28800 included);
    // false when the system refuses it.
    bool SetBaudRate(int baud);
    // Received bytes waiting to be read.
    int BytesWaiting() const;
    void PurgeInput();
    void PurgeOutput();
    // Modem lines. A pseudo-terminal has none; the refusal is ignored.
    void SetDtr(bool on);
    void SetRts(bool on);

    // True when COM `port` exists and could be opened now; nothing stays open.
    static bool PortAvailable(int port, const SerialPortMap& ports = {});

    const std::string& deviceName() const { return m_device; }

    // The descriptor of the open port, for poll().
    int Handle = -1;

    // The output speed the line runs at, in bit/s.
    int speed() const;

private:
    void open(int baud);

    std::string m_device;
};

} // namespace vorbix::link
