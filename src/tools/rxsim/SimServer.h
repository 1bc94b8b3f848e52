#pragma once

#include "tools/rxsim/SimControl.h"
#include "tools/rxsim/SimEventRate.h"
#include "tools/rxsim/SimFrameDecoder.h"
#include "tools/rxsim/SimLinePacer.h"
#include "tools/rxsim/SimOptions.h"
#include "tools/rxsim/SimReceiver.h"
#include "tools/rxsim/SimScript.h"
#include "tools/rxsim/SimTransport.h"

#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorbix::rxsim {

// Ties the receiver to its line (TCP or pseudo-terminal), the control port and the event script,
// and runs them in one poll() loop that sleeps until a descriptor or a timer needs it.
class SimServer
{
public:
    SimServer(const SimOptions& options, SimMemory& memory, SimReceiver::LogSink log);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // Opens the line, the control port and the script. False with the reason otherwise.
    [[nodiscard]] bool start(const std::vector<std::string>& scriptLines, std::string& error);
    // What the line and the control port are, for the "READY" line.
    std::string description() const;
    // Runs until the quit command or until `stopFd` becomes readable (the signal handler's pipe).
    void run(int stopFd);

private:
    struct ControlClient
    {
        int fd = -1;
        std::string in;
        std::string out;
    };
    using TimePoint = SimReceiver::TimePoint;

    std::string dropLine(unsigned refuseMs);
    void acceptLineClient();
    void closeLineClient(const std::string& why);
    void readLine(TimePoint now);
    void writeLine();
    void acceptControlClient();
    void serviceControlClient(ControlClient& client, short events);
    std::string runCommand(const std::string& command, const std::string& from);
    void pumpOutput(TimePoint now);
    std::optional<timespec> pollTimeout(TimePoint now) const;
    int lineFd() const;

    const SimOptions& m_options;
    SimReceiver::LogSink m_log;
    SimReceiver m_receiver;
    SimControl m_control;
    SimScript m_script;
    SimEventRate m_eventRate;
    SimLinePacer m_pacer;
    SimFrameDecoder m_frames;
    bool m_framed = false;

    std::unique_ptr<SimTcpListener> m_listener;
    int m_client = -1;
    std::unique_ptr<SimPty> m_pty;
    std::unique_ptr<SimTcpListener> m_controlListener;
    std::vector<ControlClient> m_controlClients;

    std::string m_lineOut;
    unsigned long long m_received = 0;
    bool m_closeFaultDone = false;
    TimePoint m_refuseUntil{}; // the gateway takes no client before this
};

} // namespace vorbix::rxsim
