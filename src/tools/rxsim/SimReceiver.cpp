#include "tools/rxsim/SimReceiver.h"
#include "core/base/Hex.h"

#include "core/link/Checksum.h"

#include <algorithm>

namespace vorbix::rxsim {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";
constexpr std::size_t kHeaderDigits = 8; // LL, AAAA, TT after the ':'

bool isUpperHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool isReadType(unsigned type)
{
    return type == 0x01 || type == 0x07 || type == 0x09;
}

bool isWriteType(unsigned type)
{
    return type == 0x00 || type == 0x04 || type == 0x0A || type == 0x0B;
}

std::string printable(std::string_view text)
{
    std::string shown;
    for (char c : text) {
        if (c == '\r') {
            shown += "<CR>";
        } else if (c == '\n') {
            shown += "<LF>";
        } else if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F) {
            shown += "<" + link::HexByte(static_cast<unsigned char>(c)) + ">";
        } else {
            shown += c;
        }
    }
    return shown;
}

} // namespace

unsigned SimReceiver::Record::byte(std::size_t i) const
{
    unsigned value = 0;
    if (2 * i + 2 > data.size() || !link::ParseHex(std::string_view(data).substr(2 * i, 2), value)) {
        return 0;
    }
    return value;
}

SimReceiver::SimReceiver(SimMemory& memory, const SimFaults& faults, LogSink log)
    : m_memory(memory), m_faults(faults), m_log(std::move(log)), m_random(faults.seed)
{
}

void SimReceiver::receive(std::string_view bytes, TimePoint now)
{
    for (char c : bytes) {
        receiveByte(c, now);
    }
}

void SimReceiver::receiveByte(char c, TimePoint now)
{
    if (m_stalled) {
        return;
    }
    if (m_state != State::Idle && now - m_lastByte > kCharacterGap) {
        log("record dropped, its characters stopped: " + printable(m_record));
        m_state = State::Idle;
        m_record.clear();
    }
    m_lastByte = now;
    switch (m_state) {
    case State::Idle:
        if (c == ':') {
            startRecord();
        } else if (c == 'U') {
            send("U");
        }
        return;
    case State::InRecord: {
        if (!isUpperHex(c)) {
            abortRecord("character " + printable(std::string(1, c)) + " inside the record");
            receiveByte(c, now);
            return;
        }
        char echo = c;
        if (m_corruptThisEcho && m_record.size() == m_corruptPosition) {
            echo = kDigits[(hex::DigitValue(c) + 1) % 16];
            m_corruptThisEcho = false;
            log("fault: echo of record " + std::to_string(m_recordsStarted) + " corrupted at character " +
                std::to_string(m_corruptPosition + 1));
        }
        m_record += c;
        send(std::string_view(&echo, 1));
        if (m_record.size() == 3) {
            m_expectedLength =
                1 + kHeaderDigits +
                2 * static_cast<std::size_t>(hex::DigitValue(m_record[1]) * 16 + hex::DigitValue(m_record[2])) + 2;
        }
        if (m_record.size() >= 3 && m_record.size() == m_expectedLength) {
            recordComplete(now);
        }
        return;
    }
    case State::AwaitCr:
    case State::AwaitLf: {
        const char wanted = m_state == State::AwaitCr ? '\r' : '\n';
        if (c != wanted) {
            abortRecord("read request without CR LF after its checksum");
            receiveByte(c, now);
            return;
        }
        send(std::string_view(&c, 1));
        if (m_state == State::AwaitCr) {
            m_state = State::AwaitLf;
            return;
        }
        m_state = State::Idle;
        Record record;
        static_cast<void>(parseRecord(record));
        answerRead(record);
        finishRecord();
        return;
    }
    }
}

void SimReceiver::startRecord()
{
    ++m_recordsStarted;
    m_record = ":";
    m_expectedLength = 0;
    m_state = State::InRecord;
    send(":");
    if (m_faults.corruptEchoOfRecord != 0 && m_recordsStarted == m_faults.corruptEchoOfRecord) {
        // Every record has at least its eight header digits; corrupt one of them.
        m_corruptThisEcho = true;
        m_corruptPosition = 1 + std::uniform_int_distribution<std::size_t>(0, kHeaderDigits - 1)(m_random);
    }
}

void SimReceiver::abortRecord(const std::string& why)
{
    log("record " + printable(m_record) + " broken off: " + why + " -> X");
    m_state = State::Idle;
    m_record.clear();
    m_corruptThisEcho = false;
    send(std::string(1, kBadChecksum) + "\r\n");
    flushSpontaneous();
}

void SimReceiver::recordComplete(TimePoint now)
{
    m_corruptThisEcho = false;
    const std::string body = m_record.substr(0, m_record.size() - 2);
    const std::string checksum = m_record.substr(m_record.size() - 2);
    const bool faulty = m_faults.badChecksumRecord != 0 && m_recordsStarted == m_faults.badChecksumRecord;
    if (faulty || link::Checksum(body) != checksum) {
        log("record " + m_record +
            (faulty ? " checksum taken as wrong (fault)" : " checksum wrong (expected " + link::Checksum(body) + ")") +
            " -> X");
        m_state = State::Idle;
        send(std::string(1, kBadChecksum) + "\r\n");
        finishRecord();
        return;
    }
    Record record;
    static_cast<void>(parseRecord(record));
    if (isReadType(record.type)) {
        m_state = State::AwaitCr;
        return;
    }
    m_state = State::Idle;
    if (isWriteType(record.type)) {
        answerWrite(record, now);
    } else {
        log("record " + m_record + " checksum ok: unknown type " + link::HexByte(record.type) + " -> R");
        send(std::string(1, kRefused) + "\r\n");
    }
    finishRecord();
}

void SimReceiver::finishRecord()
{
    ++m_recordsDone;
    if (m_faults.stallAfterRecords != 0 && m_recordsDone == m_faults.stallAfterRecords) {
        log("fault: stalled after " + std::to_string(m_recordsDone) + " records");
        m_stalled = true;
        m_spontaneous.clear();
        return;
    }
    flushSpontaneous();
}

bool SimReceiver::parseRecord(Record& record) const
{
    unsigned value = 0;
    if (m_record.size() < 1 + kHeaderDigits + 2) {
        return false;
    }
    record.length = link::ParseHex(std::string_view(m_record).substr(1, 2), value) ? value : 0;
    record.address = link::ParseHex(std::string_view(m_record).substr(3, 4), value) ? value : 0;
    record.type = link::ParseHex(std::string_view(m_record).substr(7, 2), value) ? value : 0;
    record.data = m_record.substr(9, m_record.size() - 9 - 2);
    return true;
}

void SimReceiver::answerWrite(const Record& record, TimePoint now)
{
    ++m_writes;
    if (m_faults.refuseWrite != 0 && m_writes == m_faults.refuseWrite) {
        log("record " + m_record + " checksum ok: fault, write " + std::to_string(m_writes) + " refused -> R");
        send(std::string(1, kRefused) + "\r\n");
        return;
    }
    std::string done;
    const bool accepted = executeWrite(record, now, done);
    log("record " + m_record + " checksum ok: " + done + (accepted ? " -> K" : " -> R"));
    send(std::string(1, accepted ? kAccepted : kRefused) + "\r\n");
    if (accepted && record.type == 0x0B) {
        const char relayByte = static_cast<char>(m_relays);
        send(std::string("O") + relayByte);
    }
}

void SimReceiver::sendReply(std::string reply)
{
    ++m_replies;
    if (m_faults.dropReplyCharacter != 0 && m_replies == m_faults.dropReplyCharacter && !reply.empty()) {
        const std::size_t at = std::uniform_int_distribution<std::size_t>(0, reply.size() - 1)(m_random);
        log("fault: reply " + std::to_string(m_replies) + " loses character " + std::to_string(at + 1));
        reply.erase(at, 1);
    }
    send(reply);
}

void SimReceiver::send(std::string_view bytes)
{
    m_output.append(bytes);
}

void SimReceiver::sendSpontaneous(const std::string& bytes)
{
    if (m_stalled) {
        return;
    }
    if (m_state == State::Idle) {
        send(bytes);
    } else {
        m_spontaneous += bytes;
    }
}

void SimReceiver::flushSpontaneous()
{
    send(m_spontaneous);
    m_spontaneous.clear();
}

void SimReceiver::tick(TimePoint now)
{
    bool changed = false;
    for (unsigned k = 0; k < m_pulseEnds.size(); ++k) {
        if (m_pulseEnds[k] && *m_pulseEnds[k] <= now) {
            m_pulseEnds[k].reset();
            m_relays &= ~(1u << k);
            changed = true;
        }
    }
    if (changed) {
        writeRelaysToStatus();
        log("pulse over, relays now " + link::HexByte(m_relays));
        sendSpontaneous(std::string("O") + static_cast<char>(m_relays));
    }
}

std::optional<SimReceiver::TimePoint> SimReceiver::nextDeadline() const
{
    std::optional<TimePoint> next;
    for (const auto& end : m_pulseEnds) {
        if (end && (!next || *end < *next)) {
            next = end;
        }
    }
    return next;
}

std::string SimReceiver::takeOutput()
{
    std::string out;
    out.swap(m_output);
    return out;
}

void SimReceiver::resetLine()
{
    m_state = State::Idle;
    m_record.clear();
    m_corruptThisEcho = false;
    m_stalled = false;
    m_spontaneous.clear();
    m_output.clear();
}

void SimReceiver::setStalled(bool stalled)
{
    m_stalled = stalled;
    m_state = State::Idle;
    m_record.clear();
    m_spontaneous.clear();
    log(stalled ? "stalled by the control command" : "answering again");
}

void SimReceiver::inject(const SimEvent& event)
{
    const int slot = m_memory.slotOfSerial(std::string_view(event.code).substr(2));
    static_cast<void>(m_memory.setHex(m_memory.model().statusAddr, statusBlockText(event, slot, m_relays)));
    const std::string report = eventReport(event);
    log("event " + event.code + " code " + event.button + " slot " +
        (slot < 0 ? std::string("FFFF") : link::HexWord(static_cast<unsigned>(slot))) + ", reported " + report);
    sendSpontaneous(report);
}

void SimReceiver::setRelays(unsigned relayByte)
{
    m_relays = relayByte & ((1u << m_memory.model().relays) - 1);
    m_pulseEnds.fill(std::nullopt);
    writeRelaysToStatus();
    log("relays set to " + link::HexByte(m_relays));
    sendSpontaneous(std::string("O") + static_cast<char>(m_relays));
}

std::string SimReceiver::statusBlock() const
{
    return m_memory.hex(m_memory.model().statusAddr, SimMemory::kBlockSize);
}

void SimReceiver::writeRelaysToStatus()
{
    m_memory.set(m_memory.model().statusAddr + 11, static_cast<std::uint8_t>(m_relays));
}

void SimReceiver::log(const std::string& line) const
{
    if (m_log) {
        m_log(line);
    }
}

} // namespace vorbix::rxsim
