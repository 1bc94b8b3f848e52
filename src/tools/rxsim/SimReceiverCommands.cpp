#include "tools/rxsim/SimReceiver.h"

#include "core/link/Checksum.h"

#include <algorithm>

// What the receiver does with a complete record: the reads, the writes, the erase and the relays.
namespace vorbix::rxsim {
namespace {

constexpr unsigned kMaxWriteBytes = 32;

} // namespace

bool SimReceiver::executeWrite(const Record& record, TimePoint now, std::string& done)
{
    const SimModel& model = m_memory.model();
    switch (record.type) {
    case 0x00: {
        const unsigned last = record.address + record.length - 1;
        if (record.length == 0 || record.length > kMaxWriteBytes) {
            done = "write of " + std::to_string(record.length) + " bytes refused (1 to 32)";
            return false;
        }
        if (!m_memory.inRecordMemory(record.address, last)) {
            done = "write " + link::HexWord(record.address) + "-" + link::HexWord(last & 0xFFFF) +
                   " refused, outside the record memory";
            return false;
        }
        // Flash programming only clears bits; a byte that needs a bit set again needs an erase first.
        for (unsigned i = 0; i < record.length; ++i) {
            const unsigned old = m_memory.at(record.address + i);
            if ((old & record.byte(i)) != record.byte(i)) {
                done = "write " + link::HexWord(record.address) + "-" + link::HexWord(last) + " refused, " +
                       link::HexWord(record.address + i) + " holds " + link::HexByte(old) + " and is not erased";
                return false;
            }
        }
        static_cast<void>(m_memory.setHex(record.address, record.data));
        done = "wrote " + link::HexWord(record.address) + "-" + link::HexWord(last);
        return true;
    }
    case 0x04: {
        const unsigned block = record.byte(1) << 8 | record.byte(2);
        if (record.length != 3 || record.address != 0 || record.byte(0) != 0x01) {
            done = "malformed erase refused";
            return false;
        }
        if (!m_memory.inRecordMemory(block, block)) {
            done = "erase at " + link::HexWord(block) + " refused, outside the record memory";
            return false;
        }
        // The program steps its erase records by the erase block from MemStart on, so the block is
        // the one that starts at the given address.
        const unsigned first = block;
        const unsigned last = std::min(block + model.eraseBlock - 1, model.memEnd);
        for (unsigned a = first; a <= last; ++a) {
            m_memory.set(a, 0xFF);
        }
        done = "erased " + link::HexWord(first) + "-" + link::HexWord(last);
        return true;
    }
    case 0x0A:
        if (record.length != SimMemory::kBlockSize || record.address != model.passAddr) {
            done = "password write refused (16 bytes at " + link::HexWord(model.passAddr) + " expected)";
            return false;
        }
        static_cast<void>(m_memory.setHex(record.address, record.data));
        done = "wrote the password block";
        return true;
    case 0x0B:
        return executeRelay(record, now, done);
    default:
        done = "unknown write";
        return false;
    }
}

bool SimReceiver::executeRelay(const Record& record, TimePoint now, std::string& done)
{
    const unsigned mask = record.byte(0);
    const unsigned operation = record.byte(1);
    const unsigned tenths = record.byte(2) << 8 | record.byte(3);
    const unsigned present = (1u << m_memory.model().relays) - 1;
    if (record.length != 6 || record.address != 0 || record.byte(4) != 0x10 || record.byte(5) != 0x00) {
        done = "malformed relay command refused";
        return false;
    }
    if (mask == 0 || (mask & ~present) != 0) {
        done = "relay mask " + link::HexByte(mask) + " refused (relays present " + link::HexByte(present) + ")";
        return false;
    }
    if (operation < 1 || operation > 3 || (operation != 3 && tenths != 0) || (operation == 3 && tenths == 0)) {
        done = "relay operation " + link::HexByte(operation) + " with time " + link::HexWord(tenths) + " refused";
        return false;
    }
    for (unsigned k = 0; k < 8; ++k) {
        if ((mask & (1u << k)) == 0) {
            continue;
        }
        m_pulseEnds[k].reset();
        if (operation == 2) {
            m_relays &= ~(1u << k);
        } else {
            m_relays |= 1u << k;
            if (operation == 3) {
                m_pulseEnds[k] = now + std::chrono::milliseconds(100) * tenths;
            }
        }
    }
    writeRelaysToStatus();
    static const char* const names[] = {"", "on", "off", "pulse"};
    done = std::string("relays ") + link::HexByte(mask) + " " + names[operation] +
           (operation == 3 ? " for " + std::to_string(tenths) + " tenths" : "") + ", now " + link::HexByte(m_relays);
    return true;
}

void SimReceiver::answerRead(const Record& record)
{
    const SimModel& model = m_memory.model();
    const unsigned first = record.byte(0) << 8 | record.byte(1);
    const unsigned last = record.byte(2) << 8 | record.byte(3);
    std::string refusal;
    if (record.length != 5 || record.address != 0 || record.byte(4) != 0x00) {
        refusal = "malformed read request";
    } else if (last < first) {
        refusal = "range ends before it starts";
    } else if (record.type == 0x01 &&
               (first < SimMemory::kConfigAddr || last >= SimMemory::kConfigAddr + SimMemory::kBlockSize)) {
        refusal = "type 01 reads the configuration block only";
    } else if (record.type == 0x07 && (first < model.statusAddr || last >= model.statusAddr + SimMemory::kBlockSize)) {
        refusal = "type 07 reads the status block only";
    }
    const std::string text = m_record + "<CR><LF>";
    if (!refusal.empty()) {
        log("record " + text + " checksum ok: " + refusal + " -> R");
        send(std::string(1, kRefused) + "\r\n");
        return;
    }
    std::string reply;
    if (record.type == 0x09 && last == model.memEnd) {
        unsigned lines = 0;
        for (unsigned line = first; line <= last; line += 16) {
            unsigned shown = line;
            ++m_dumpLines;
            if (m_faults.wrongDumpLine != 0 && m_dumpLines == m_faults.wrongDumpLine) {
                shown = (line + 16) & 0xFFFF;
                log("fault: dump line " + std::to_string(m_dumpLines) + " shows address " + link::HexWord(shown));
            }
            reply += link::HexWord(shown) + kSeparator + m_memory.hex(line, 16) + "\r\n";
            ++lines;
        }
        reply += kTrailer;
        log("record " + text + " checksum ok: dump " + link::HexWord(first) + "-" + link::HexWord(last) + ", " +
            std::to_string(lines) + " lines");
    } else {
        const unsigned count = last - first + 1;
        reply = link::HexWord(first) + kSeparator + m_memory.hex(first, count) + "\r\n" + kTrailer;
        log("record " + text + " checksum ok: read " + link::HexWord(first) + "-" + link::HexWord(last) + ", " +
            std::to_string(count) + " bytes");
    }
    sendReply(std::move(reply));
}

} // namespace vorbix::rxsim
