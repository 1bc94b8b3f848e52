#include "tools/rxsim/SimModel.h"

#include "core/link/Checksum.h"

#include <array>

namespace vorbix::rxsim {
namespace {

constexpr unsigned kConfigAddr = 0x0F00;
constexpr unsigned kBlockSize = 16;

SimModel makeModel(const char* name, unsigned memEnd, unsigned recordSize, unsigned eraseBlock, unsigned relays)
{
    SimModel model;
    model.name = name;
    model.memEnd = memEnd;
    model.recordSize = recordSize;
    model.eraseBlock = eraseBlock;
    model.relays = relays;
    return model;
}

const std::array<SimModel, 3> kModels = {
    // One relay, 12-byte records, erased in 2048-byte blocks.
    makeModel("KV1MOD-T", 0x2FFF, 12, 2048, 1),
    // One relay for pulses, 12-byte records, small 256-byte erase blocks.
    makeModel("KVPMOD-T", 0x1FFF, 12, 256, 1),
    // Eight relays, one time per relay, hence 32-byte records.
    makeModel("KV8MOD-T", 0x4FFF, 32, 2048, 8),
};

bool overlaps(unsigned firstA, unsigned lastA, unsigned firstB, unsigned lastB)
{
    return firstA <= lastB && firstB <= lastA;
}

} // namespace

void SimModel::setSerialAt(unsigned first)
{
    for (unsigned i = 0; i < serialDigits.size(); ++i) {
        serialDigits[i] = first + i;
    }
    buttonDigit = first + 5;
}

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
    const unsigned digits = 2 * model.recordSize;
    for (std::size_t i = 0; i < model.serialDigits.size(); ++i) {
        for (std::size_t j = i + 1; j < model.serialDigits.size(); ++j) {
            if (model.serialDigits[i] == model.serialDigits[j]) {
                error = "two serial digits share one record digit";
                return false;
            }
        }
        if (model.serialDigits[i] >= digits) {
            error = "the five serial digits must lie inside a record";
            return false;
        }
    }
    if (!model.emptyRecord.empty() && (model.emptyRecord.size() != digits ||
                                       model.emptyRecord.find_first_not_of("0123456789ABCDEF") != std::string::npos)) {
        error = "the empty record must be " + std::to_string(digits) + " upper-case hex digits";
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
