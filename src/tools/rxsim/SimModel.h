#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vorbix::rxsim {

// What the simulated receiver knows about itself: where its blocks lie and how long a record is.
// Addresses are byte addresses of the 64 KiB address space.
struct SimModel
{
    std::string name = "KV1MOD-T";
    unsigned memStart = 0x1000;
    unsigned memEnd = 0x2FFF;
    unsigned statusAddr = 0x0F40;
    unsigned nameAddr = 0x0F10;
    unsigned passAddr = 0x0F20;
    unsigned recordSize = 12; // bytes per memory slot
    unsigned eraseBlock = 2048;
    unsigned relays = 1;
    // Record digits (counting from 0) that hold the serial digits S01..S05 a transmitter is looked
    // up by, and the digit of its button code.
    std::array<unsigned, 5> serialDigits{0, 1, 2, 3, 4};
    std::optional<unsigned> buttonDigit = 5;
    // Hex text of an empty record, the base of the records --fill writes; empty: all "0".
    std::string emptyRecord;

    // Serial digits side by side from `first` on, the button code right after them.
    void setSerialAt(unsigned first);

    unsigned recordCount() const { return (memEnd - memStart + 1) / recordSize; }
};

// The defaults of a model the simulator knows by name; false (model untouched) for other names.
[[nodiscard]] bool builtInModel(const std::string& name, SimModel& model);
std::vector<std::string> builtInModelNames();

// False, with the reason, when the blocks overlap, leave the address space or do not fit.
[[nodiscard]] bool checkModel(const SimModel& model, std::string& error);

} // namespace vorbix::rxsim
