#pragma once

#include "tools/rxsim/SimReceiver.h"

#include <string>
#include <string_view>

namespace vorbix::rxsim {

// The control line protocol: one command per line, answered with one line that begins with "OK"
// or "ERR". The same commands run from an event script.
class SimControl
{
public:
    SimControl(SimReceiver& receiver, SimMemory& memory, char defaultReport)
        : m_receiver(receiver), m_memory(memory), m_defaultReport(defaultReport)
    {
    }

    // The answer, without a line end.
    std::string execute(std::string_view line);
    bool quitRequested() const { return m_quit; }

private:
    SimReceiver& m_receiver;
    SimMemory& m_memory;
    char m_defaultReport;
    bool m_quit = false;
};

} // namespace vorbix::rxsim
