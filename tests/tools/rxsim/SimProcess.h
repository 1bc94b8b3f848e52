#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vorbix::rxsim::test {

// The real vorbix-rxsim executable, started with the given options. It is stopped with SIGTERM
// (and, if that is ignored, killed) when the object goes. Every wait is bounded.
class SimProcess
{
public:
    explicit SimProcess(const std::vector<std::string>& args);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // True once the simulator printed its READY line.
    bool ready() const { return m_ready; }
    const std::string& readyLine() const { return m_readyLine; }
    // Everything it printed to stderr so far (collected when it ends).
    std::string errors() const;
    // The port named in the READY line after "key=ADDR:", 0 when missing.
    unsigned port(const std::string& key) const;

    // Sends SIGTERM and waits for the exit; the exit status, or -1 when it did not end in time.
    int terminate(std::chrono::milliseconds wait = std::chrono::milliseconds(3000));
    // Waits for the process to end by itself; the exit status, or -1.
    int waitExit(std::chrono::milliseconds wait);

private:
    pid_t m_pid = -1;
    int m_stdout = -1;
    std::string m_stderrPath;
    bool m_ready = false;
    std::string m_readyLine;
    int m_status = -1;
};

// Runs the executable to its end (at most `wait`) and collects its stdout; the exit status or -1.
int runSim(const std::vector<std::string>& args, std::string& output, std::chrono::milliseconds wait);

// A TCP connection to a loopback port; -1 when it cannot be made.
int connectLoopback(const std::string& address, unsigned port);

// Sends one control command and returns the answer line (empty when none came in time).
std::string controlCommand(int fd, const std::string& command);

} // namespace vorbix::rxsim::test
