#pragma once

#include "tools/rxsim/SimReceiver.h"

#include <functional>
#include <string>
#include <string_view>

namespace vorbix::rxsim {

// The control line protocol: one command per line, answered with one line that begins with "OK"
// or "ERR". The same commands run from an event script.
class SimControl
{
public:
    // `folder` holds "Rx.def" for the saved data files' user texts; it may be empty.
    SimControl(SimReceiver& receiver, SimMemory& memory, char defaultReport, std::string folder = {})
        : m_receiver(receiver), m_memory(memory), m_defaultReport(defaultReport), m_folder(std::move(folder))
    {
    }

    // What "drop MS" does to the line: the server closes the connection and refuses new ones for
    // MS milliseconds; the answer line.
    void setLineDropper(std::function<std::string(unsigned ms)> dropper) { m_dropLine = std::move(dropper); }
    // "rate N [COUNT]": events at N per second from now on (0 stops them).
    void setRateStarter(std::function<void(double perSecond, unsigned count)> starter)
    {
        m_startRate = std::move(starter);
    }

    // The answer, without a line end.
    std::string execute(std::string_view line);
    bool quitRequested() const { return m_quit; }

private:
    SimReceiver& m_receiver;
    SimMemory& m_memory;
    char m_defaultReport;
    std::string m_folder;
    bool m_quit = false;
    std::function<std::string(unsigned)> m_dropLine;
    std::function<void(double, unsigned)> m_startRate;
};

} // namespace vorbix::rxsim
