#include "tools/rxsim/SimMemory.h"

#include "core/link/Checksum.h"

#include <random>
#include <set>

namespace vorbix::rxsim {

SimMemory::SimMemory(const SimModel& model) : m_model(model)
{
    m_bytes.fill(0xFF);
    const unsigned words[] = {model.memStart, model.memEnd, model.statusAddr, model.nameAddr, model.passAddr};
    for (unsigned i = 0; i < kBlockSize; ++i) {
        m_bytes[kConfigAddr + i] = 0x00;
        m_bytes[model.nameAddr + i] = 0x00;
        m_bytes[model.statusAddr + i] = 0x00;
    }
    unsigned address = kConfigAddr;
    for (unsigned word : words) {
        m_bytes[address++] = static_cast<std::uint8_t>(word >> 8);
        m_bytes[address++] = static_cast<std::uint8_t>(word & 0xFF);
    }
    for (std::size_t i = 0; i < model.name.size() && i < 8; ++i) {
        m_bytes[model.nameAddr + i] = static_cast<std::uint8_t>(model.name[i]);
    }
    // No transmitter seen yet: slot FFFF.
    m_bytes[model.statusAddr + 9] = 0xFF;
    m_bytes[model.statusAddr + 10] = 0xFF;
}

std::string SimMemory::hex(unsigned first, unsigned count) const
{
    std::string text;
    text.reserve(2 * count);
    for (unsigned i = 0; i < count && first + i < kSize; ++i) {
        text += link::HexByte(m_bytes[first + i]);
    }
    return text;
}

bool SimMemory::setHex(unsigned first, std::string_view digits)
{
    if (digits.size() % 2 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        unsigned value = 0;
        if (!link::ParseHex(digits.substr(i, 2), value)) {
            return false;
        }
        set(first + static_cast<unsigned>(i / 2), static_cast<std::uint8_t>(value));
    }
    return true;
}

bool SimMemory::setPassword(const std::string& password, std::string& error)
{
    if (password.size() > kBlockSize) {
        error = "the password may have at most 16 characters";
        return false;
    }
    for (unsigned i = 0; i < kBlockSize; ++i) {
        m_bytes[m_model.passAddr + i] =
            i < password.size() ? static_cast<std::uint8_t>(static_cast<unsigned char>(password[i])) : 0x00;
    }
    return true;
}

bool SimMemory::fillRandom(unsigned count, unsigned seed, std::string& error)
{
    const unsigned slots = m_model.recordCount();
    if (count > slots) {
        error = "--fill " + std::to_string(count) + " exceeds the " + std::to_string(slots) + " memory slots";
        return false;
    }
    for (unsigned a = m_model.memStart; a <= m_model.memEnd; ++a) {
        m_bytes[a] = 0xFF;
    }
    std::mt19937 random(seed);
    std::uniform_int_distribution<unsigned> serialDigits(0x00001, 0xFFFFE);
    std::uniform_int_distribution<unsigned> buttons(1, 15);
    std::set<unsigned> used;
    const std::string digitsOf = "0123456789ABCDEF";
    for (unsigned slot = 0; slot < count; ++slot) {
        unsigned serial = serialDigits(random);
        while (!used.insert(serial).second) {
            serial = serialDigits(random);
        }
        // The empty record with the serial digits and a button code written into it.
        std::string record =
            m_model.emptyRecord.empty() ? std::string(2 * m_model.recordSize, '0') : m_model.emptyRecord;
        for (unsigned d = 0; d < 5; ++d) {
            record[m_model.serialDigits[d]] = digitsOf[(serial >> (4 * (4 - d))) & 0xF];
        }
        const unsigned button = buttons(random);
        if (m_model.buttonDigit && *m_model.buttonDigit < record.size()) {
            record[*m_model.buttonDigit] = digitsOf[button];
        }
        if (!setHex(m_model.memStart + slot * m_model.recordSize, record)) {
            error = "internal: bad record text";
            return false;
        }
    }
    return true;
}

int SimMemory::slotOfSerial(std::string_view fiveDigits) const
{
    const unsigned slots = m_model.recordCount();
    for (unsigned slot = 0; slot < slots; ++slot) {
        const std::string record = hex(m_model.memStart + slot * m_model.recordSize, m_model.recordSize);
        if (record.find_first_not_of('F') == std::string::npos) {
            continue; // an erased slot holds no transmitter
        }
        bool same = fiveDigits.size() == 5;
        for (unsigned d = 0; d < 5 && same; ++d) {
            same = record[m_model.serialDigits[d]] == fiveDigits[d];
        }
        if (same) {
            return static_cast<int>(slot);
        }
    }
    return -1;
}

std::string SimMemory::recordImage() const
{
    return hex(m_model.memStart, m_model.recordCount() * m_model.recordSize);
}

} // namespace vorbix::rxsim
