#pragma once

#include <string>

namespace vorbix::link {

// The six connection fields the settings file, the setup dialog, the welcome screen and the
// connection profiles read and write.
struct ConnectionSettings
{
    int ConnectionType = 0; // 0 = COM port, 1 = TCP/IP (the order of the dialog's radio items)
    int ComNumber = 1;
    int ComSpeed = 9600;
    std::string IPAddress = "192.168.1.1";
    std::string IPPort = "10001";
    bool DumpRead = false; // serial variant: dump-read transfers instead of echo-checked 16-byte reads
};

// The text that names a connection in the status bar and in connection profiles:
// "COM 3:19200" for a COM port, "IP 192.168.1.1:10001" for anything else.
inline std::string ConnectionText(const ConnectionSettings& s)
{
    if (s.ConnectionType == 0) {
        return "COM " + std::to_string(s.ComNumber) + ":" + std::to_string(s.ComSpeed);
    }
    return "IP " + s.IPAddress + ":" + s.IPPort;
}

} // namespace vorbix::link
