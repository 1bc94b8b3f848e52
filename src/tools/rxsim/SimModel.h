#pragma once

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
    // Hex-digit offset inside a record of the five serial digits a transmitter is looked up by.
    unsigned serialDigit = 0;

    unsigned recordCount() const { return (memEnd - memStart + 1) / recordSize; }
};

// The defaults of a model the simulator knows by name; false (model untouched) for other names.
[[nodiscard]] bool builtInModel(const std::string& name, SimModel& model);
std::vector<std::string> builtInModelNames();

// False, with the reason, when the blocks overlap, leave the address space or do not fit.
[[nodiscard]] bool checkModel(const SimModel& model, std::string& error);

} // namespace vorbix::rxsim
