#pragma once

#include "tools/rxsim/SimEvent.h"
#include "tools/rxsim/SimFaults.h"
#include "tools/rxsim/SimMemory.h"

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace vorbix::rxsim {

// The receiver's command interpreter, independent of the line it is attached to: bytes in, bytes
// out. Time comes in with every call, so tests drive it without sleeping.
//
// The receiver echoes every character of a command record as it arrives and ignores everything
// outside a record (the gateway's connect frame, AA bytes, the keep-alive 'S', stray line ends),
// except a 'U', which it answers with one 'U'. A record is complete once its data bytes and
// checksum are in; a wrong checksum gets 'X'. Writes (00, 04, 0A, 0B) answer a status character
// and CR LF: kAccepted, or 'R' when refused. The record memory is flash: a type-04 record erases
// the erase block starting at its address, and a type-00 write that would have to set a cleared
// bit is refused, so a write without the erase before it shows. Reads (01, 07, 09) wait for the CR LF after the
// checksum, echo it and then send the read reply: address, separator, data, CR LF, kTrailer.
// A type-09 read that ends at MemEnd is a dump: lines of 39 characters up to the line holding
// MemEnd, then kTrailer, so a one-line dump is also a valid 16-byte read reply.
class SimReceiver
{
public:
    using Clock = std::chrono::steady_clock;
    using TimePoint = Clock::time_point;
    using LogSink = std::function<void(const std::string& line)>;

    static constexpr char kAccepted = 'K';
    static constexpr char kRefused = 'R';
    static constexpr char kBadChecksum = 'X';
    static constexpr char kSeparator = ' ';
    static constexpr char kTrailer = '>';
    // A record whose characters stop for this long is dropped, as the next one may be starting.
    static constexpr std::chrono::milliseconds kCharacterGap{1000};

    SimReceiver(SimMemory& memory, const SimFaults& faults, LogSink log);

    void receive(std::string_view bytes, TimePoint now);
    // Ends relay pulses that are due; reports the new relay state.
    void tick(TimePoint now);
    std::optional<TimePoint> nextDeadline() const;
    // What the receiver sent since the last call.
    std::string takeOutput();

    // A new client on the line: a half-received record and a stall are forgotten.
    void resetLine();
    bool stalled() const { return m_stalled; }
    // Stops answering anything (and reporting events) until resumed or a new client connects.
    void setStalled(bool stalled);

    // Writes the status block and reports the event ('R', or 'U' + 9 characters).
    void inject(const SimEvent& event);
    // Sets the relays as if switched locally and reports them with 'O' + relay byte.
    void setRelays(unsigned relayByte);
    unsigned relays() const { return m_relays; }
    std::string statusBlock() const;

private:
    enum class State
    {
        Idle,
        InRecord,
        AwaitCr,
        AwaitLf,
    };
    struct Record
    {
        unsigned length = 0;
        unsigned address = 0;
        unsigned type = 0;
        std::string data; // hex digits
        unsigned byte(std::size_t i) const;
    };

    void receiveByte(char c, TimePoint now);
    void startRecord();
    void recordComplete(TimePoint now);
    void abortRecord(const std::string& why);
    void finishRecord();
    void answerWrite(const Record& record, TimePoint now);
    void answerRead(const Record& record);
    bool executeWrite(const Record& record, TimePoint now, std::string& done);
    bool executeRelay(const Record& record, TimePoint now, std::string& done);
    bool parseRecord(Record& record) const;
    void sendReply(std::string reply);
    void send(std::string_view bytes);
    void sendSpontaneous(const std::string& bytes);
    void flushSpontaneous();
    void writeRelaysToStatus();
    void log(const std::string& line) const;

    SimMemory& m_memory;
    SimFaults m_faults;
    LogSink m_log;
    std::mt19937 m_random;

    State m_state = State::Idle;
    std::string m_record;
    std::size_t m_expectedLength = 0;
    TimePoint m_lastByte{};
    bool m_corruptThisEcho = false;
    std::size_t m_corruptPosition = 0;

    unsigned m_recordsStarted = 0;
    unsigned m_recordsDone = 0;
    unsigned m_writes = 0;
    unsigned m_replies = 0;
    unsigned m_dumpLines = 0;
    bool m_stalled = false;

    unsigned m_relays = 0;
    std::array<std::optional<TimePoint>, 8> m_pulseEnds{};

    std::string m_output;
    std::string m_spontaneous; // held back while a record or its reply is under way
};

} // namespace vorbix::rxsim
