#pragma once

#include <string>

namespace vorbix::online {

// Makes a TCP connection whose peer vanished without a word (a gateway switched off, a cable
// pulled) fail within seconds instead of the system's minutes: keep-alive probes after 2 s of
// silence, and at most 5 s for sent data or probes to be acknowledged. False when the descriptor
// is not a TCP socket.
bool shortenDeadPeerDetection(int tcpDescriptor);

// True when the device file of a serial port has gone (a USB adapter unplugged).
bool serialDeviceGone(const std::string& devicePath);

} // namespace vorbix::online
