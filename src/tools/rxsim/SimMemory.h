#pragma once

#include "tools/rxsim/SimModel.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorbix::rxsim {

// The receiver's 64 KiB address space: configuration block at 0F00, name, password and status
// blocks, and the record memory. Erased bytes read FF.
class SimMemory
{
public:
    static constexpr unsigned kSize = 0x10000;
    static constexpr unsigned kConfigAddr = 0x0F00;
    static constexpr unsigned kBlockSize = 16;

    // Everything erased, then the configuration and name blocks written; no password.
    explicit SimMemory(const SimModel& model);

    const SimModel& model() const { return m_model; }

    std::uint8_t at(unsigned address) const { return m_bytes[address & 0xFFFF]; }
    void set(unsigned address, std::uint8_t value) { m_bytes[address & 0xFFFF] = value; }
    // Two upper-case hex digits per byte from `first` on; the range must stay below 10000.
    std::string hex(unsigned first, unsigned count) const;
    // Writes bytes given as hex digit pairs; false when a pair is not hex.
    [[nodiscard]] bool setHex(unsigned first, std::string_view digits);

    bool inRecordMemory(unsigned first, unsigned last) const
    {
        return first >= m_model.memStart && last <= m_model.memEnd && first <= last;
    }

    // The password block holds the password's character codes followed by 00 bytes.
    [[nodiscard]] bool setPassword(const std::string& password, std::string& error);

    // Writes `count` transmitters with distinct random serials into slots 0.. and leaves the rest
    // erased. Deterministic for a seed.
    [[nodiscard]] bool fillRandom(unsigned count, unsigned seed, std::string& error);

    // Slot (from 0) of the first record whose serial digits equal `fiveDigits`; -1 when none does.
    int slotOfSerial(std::string_view fiveDigits) const;

    // The record memory as whole records, two hex digits per byte.
    std::string recordImage() const;

private:
    SimModel m_model;
    std::array<std::uint8_t, kSize> m_bytes{};
};

} // namespace vorbix::rxsim
