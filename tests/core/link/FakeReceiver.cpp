#include "FakeReceiver.h"

#include "core/link/Checksum.h"

namespace vorbix::link::test {
namespace {

bool isReadType(const std::string& record)
{
    return record.size() > 8 && (record[8] == '1' || record[8] == '7' || record[8] == '9');
}

// Total length of a record with its checksum, known once the byte count has arrived.
std::size_t recordLength(const std::string& record)
{
    unsigned count = 0;
    if (record.size() < 3 || !ParseHex(record.substr(1, 2), count)) {
        return 0;
    }
    return 1 + 2 + 4 + 2 + 2 * count + 2;
}

} // namespace

std::string FakeReceiver::feed(const std::string& bytes)
{
    std::string out;
    for (char c : bytes) {
        out += feed(c);
    }
    return out;
}

std::string FakeReceiver::feed(char byte)
{
    received += byte;
    if (static_cast<unsigned char>(byte) == 0xAA) {
        ++resyncBytes;
        return {};
    }
    switch (m_state) {
    case State::Idle:
        if (byte == ':') {
            m_state = State::Record;
            m_record = ":";
            m_fault = faults.empty() ? '.' : faults.front();
            if (!faults.empty()) {
                faults.pop_front();
            }
            return m_fault == 'S' ? std::string() : std::string(1, ':');
        }
        if (byte == 'U') {
            if (wakeUpsToIgnore > 0) {
                --wakeUpsToIgnore;
                return {};
            }
            return answerWakeUp ? "U" : "";
        }
        return std::string(1, byte);
    case State::Record: {
        m_record += byte;
        std::string echo(1, byte);
        const std::size_t total = recordLength(m_record);
        if (m_fault == 'S' || (m_fault == 'T' && m_record.size() > 4)) {
            echo.clear();
        } else if (m_fault == 'C' && m_record.size() == 4) {
            echo = byte == '0' ? "1" : "0";
        }
        if (total != 0 && m_record.size() == total) {
            echo += finishRecord();
        }
        return echo;
    }
    case State::LineEnd:
        if (byte == '\n') {
            m_state = State::Idle;
            const std::string record = records.back();
            unsigned count = 0;
            // The read range is in the data: first and last address.
            unsigned first = 0;
            unsigned last = 0;
            if (record.size() >= 17 && ParseHex(record.substr(9, 4), first) && ParseHex(record.substr(13, 4), last)) {
                count = last - first + 1;
            }
            std::string data;
            if (!readReplies.empty()) {
                data = readReplies.front();
                readReplies.pop_front();
            } else {
                for (unsigned i = 0; i < count; ++i) {
                    data += readData;
                }
            }
            return "\n" + HexWord(first) + " " + data + "\r\n" + "!";
        }
        return std::string(1, byte);
    }
    return {};
}

std::string FakeReceiver::finishRecord()
{
    records.push_back(m_record);
    if (m_fault == 'S' || m_fault == 'T') {
        m_state = State::Idle;
        return {};
    }
    if (isReadType(m_record)) {
        m_state = State::LineEnd;
        return {};
    }
    m_state = State::Idle;
    std::string status = "K";
    if (!statuses.empty()) {
        status = statuses.front();
        statuses.pop_front();
    }
    return status + "\r\n";
}

} // namespace vorbix::link::test
