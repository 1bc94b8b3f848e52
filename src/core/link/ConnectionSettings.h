#pragma once

#include <map>
#include <string>

namespace vorbix::link {

// How the link reaches the receiver. The numbers are those of the settings file and the order of the
// setup dialog's radio items; a settings file may hold another number, and the link then opens nothing.
enum class ConnectionKind
{
    ComPort = 0,
    TcpIp = 1,
};

// The six connection fields the settings file, the setup dialog, the welcome screen and the
// connection profiles read and write.
struct ConnectionSettings
{
    ConnectionKind ConnectionType = ConnectionKind::ComPort;
    int ComNumber = 1;
    int ComSpeed = 9600;
    std::string IPAddress = "192.168.1.1";
    std::string IPPort = "10001";
    bool DumpRead = false; // serial variant: dump-read transfers instead of echo-checked 16-byte reads
};

// The "SerialPorts" settings: COM port number -> device path, for ports that are not
// /dev/ttyS(n-1) (USB adapters, pseudo-terminals).
using SerialPortMap = std::map<int, std::string>;

// The text that names a connection in the status bar and in connection profiles:
// "COM 3:19200" for a COM port, "IP 192.168.1.1:10001" for anything else.
inline std::string ConnectionText(const ConnectionSettings& s)
{
    if (s.ConnectionType == ConnectionKind::ComPort) {
        return "COM " + std::to_string(s.ComNumber) + ":" + std::to_string(s.ComSpeed);
    }
    return "IP " + s.IPAddress + ":" + s.IPPort;
}

} // namespace vorbix::link
