#pragma once

#include <chrono>

namespace vorbix::link {

// The link's waits. The defaults are the program's; tests shorten them.
struct LinkTimings
{
    using ms = std::chrono::milliseconds;

    ms serialCharTimeout{500}; // each character of an answer on a COM port
    ms tcpCharTimeout{3000};   // each character of an answer over TCP
    ms serialSettle{1000};     // after a COM port was opened, before the first command
    ms dtrToRts{10};           // between dropping DTR and raising RTS at open
    ms retryPause{200};        // before another attempt of a command
    ms connectWait{10000};     // for a TCP connect to complete
    ms afterConnectFrame{100}; // after the connect frame went out
    ms afterTcpClose{100};     // after a TCP connection was closed
    ms pingTimeout{4000};      // for the ICMP echo before a TCP connect
    ms pollSlice{20};          // longest single poll; the pump runs between polls
};

} // namespace vorbix::link
