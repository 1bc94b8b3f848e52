#pragma once

#include <string>

namespace vorbix::link::test {

// A pseudo-terminal pair: the test plays the device on the master side, the code under test
// opens the slave path as its serial port.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool valid() const { return m_master >= 0; }
    int master() const { return m_master; }
    const std::string& slavePath() const { return m_slavePath; }

    // Reads what the slave side wrote, waiting up to `timeoutMs` for the first byte.
    std::string readMaster(int timeoutMs);
    void writeMaster(const std::string& bytes);

private:
    int m_master = -1;
    std::string m_slavePath;
};

} // namespace vorbix::link::test
