#include "tools/rxsim/SimModel.h"

#include "core/link/Checksum.h"

#include <array>

namespace vorbix::rxsim {
namespace {

constexpr unsigned kConfigAddr = 0x0F00;
constexpr unsigned kBlockSize = 16;

const std::array<SimModel, 3> kModels = {{
    // One relay, 12-byte records, erased in 2048-byte blocks.
    {"KV1MOD-T", 0x1000, 0x2FFF, 0x0F40, 0x0F10, 0x0F20, 12, 2048, 1, 0},
    // One relay for pulses, 12-byte records, small 256-byte erase blocks.
    {"KVPMOD-T", 0x1000, 0x1FFF, 0x0F40, 0x0F10, 0x0F20, 12, 256, 1, 0},
    // Eight relays, one time per relay, hence 32-byte records.
    {"KV8MOD-T", 0x1000, 0x4FFF, 0x0F40, 0x0F10, 0x0F20, 32, 2048, 8, 0},
}};

bool overlaps(unsigned firstA, unsigned lastA, unsigned firstB, unsigned lastB)
{
    return firstA <= lastB && firstB <= lastA;
}

} // namespace

bool builtInModel(const std::string& name, SimModel& model)
{
    for (const SimModel& known : kModels) {
        if (known.name == name) {
            model = known;
            return true;
        }
    }
    return false;
}

std::vector<std::string> builtInModelNames()
{
    std::vector<std::string> names;
    for (const SimModel& known : kModels) {
        names.push_back(known.name);
    }
    return names;
}

bool checkModel(const SimModel& model, std::string& error)
{
    if (model.name.empty() || model.name.size() > 8) {
        error = "the model name must have 1 to 8 characters (the name block carries 8)";
        return false;
    }
    if (model.memEnd > 0xFFFF || model.memStart > model.memEnd) {
        error = "the record memory must satisfy mem-start <= mem-end <= FFFF";
        return false;
    }
    if (model.recordSize < 1 || model.recordSize > model.memEnd - model.memStart + 1) {
        error = "the record size must be between 1 and the record memory's size";
        return false;
    }
    if (model.serialDigit + 5 > 2 * model.recordSize) {
        error = "the five serial digits must lie inside a record";
        return false;
    }
    if (model.eraseBlock == 0) {
        error = "the erase block must not be 0";
        return false;
    }
    if (model.relays < 1 || model.relays > 8) {
        error = "the number of relays must be between 1 and 8";
        return false;
    }
    struct Block
    {
        const char* what;
        unsigned first;
        unsigned last;
    };
    const std::array<Block, 5> blocks = {{
        {"configuration block", kConfigAddr, kConfigAddr + kBlockSize - 1},
        {"name block", model.nameAddr, model.nameAddr + kBlockSize - 1},
        {"password block", model.passAddr, model.passAddr + kBlockSize - 1},
        {"status block", model.statusAddr, model.statusAddr + kBlockSize - 1},
        {"record memory", model.memStart, model.memEnd},
    }};
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (blocks[i].last > 0xFFFF) {
            error = std::string("the ") + blocks[i].what + " leaves the address space";
            return false;
        }
        for (std::size_t j = i + 1; j < blocks.size(); ++j) {
            if (overlaps(blocks[i].first, blocks[i].last, blocks[j].first, blocks[j].last)) {
                error = std::string("the ") + blocks[i].what + " overlaps the " + blocks[j].what + " (" +
                        link::HexWord(blocks[j].first) + ")";
                return false;
            }
        }
    }
    return true;
}

} // namespace vorbix::rxsim
