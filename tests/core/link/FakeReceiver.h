#pragma once

#include <deque>
#include <string>
#include <vector>

namespace vorbix::link::test {

// A receiver as the link sees it, fed byte by byte: answers 'U' to the wake-up, echoes each
// character of a command record, and after a complete record sends a read reply (read types, once
// the CR LF arrived) or a status character and CR LF. Faults are armed per record.
class FakeReceiver
{
public:
    // Bytes to send back for one received byte.
    std::string feed(char byte);
    std::string feed(const std::string& bytes);

    // Settings.
    bool answerWakeUp = true;
    int wakeUpsToIgnore = 0;             // 'U' bytes that get no answer
    std::deque<char> faults;             // per record: 'S' silent, 'T' truncated echo, 'C' corrupted echo, '.' none
    std::deque<std::string> statuses;    // status text for the next write records (default "K")
    std::string readData = "A5";         // the data bytes of read replies repeat these two digits
    std::deque<std::string> readReplies; // data digits of the next read replies, before readData

    // What came in.
    std::string received;             // every byte
    std::vector<std::string> records; // complete records, checksum included
    int resyncBytes = 0;              // AA bytes

private:
    enum class State
    {
        Idle,
        Record,
        LineEnd,
    };
    std::string finishRecord();

    State m_state = State::Idle;
    std::string m_record;
    char m_fault = '.';
};

} // namespace vorbix::link::test
