#include "tools/rxsim/SimFill.h"

#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"
#include "core/model/TRxFnc.h"

#include <random>
#include <set>

namespace vorbix::rxsim {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

std::string hexOf(unsigned value, std::size_t width)
{
    std::string text(width, '0');
    for (std::size_t i = 0; i < width; ++i) {
        text[width - 1 - i] = kDigits[(value >> (4 * i)) & 0xF];
    }
    return text;
}

// Short enough that place and slot fit the eight characters a record keeps.
const char* const kPlaces[] = {"Gate", "Door", "Lift", "Hall", "Shop", "Yard", "Dock", "Ramp"};

} // namespace

bool fillRealistic(const std::string& folder, unsigned count, unsigned seed, SimMemory& memory, std::string& error)
{
    const SimModel& simModel = memory.model();
    if (count > simModel.recordCount()) {
        error = "--fill " + std::to_string(count) + " exceeds the " + std::to_string(simModel.recordCount()) +
                " memory slots";
        return false;
    }
    const PopisType noTexts;
    std::string failure;
    const ErrorSink sink = [&failure](const std::string& message) { failure = message; };
    model::TDevice device;
    device.Model = simModel.name;
    model::TRxFnc functions;
    functions.Folder = folder;
    functions.FileName = model::TRxFnc::functionFileName(folder, "US");
    functions.setMessages(&noTexts, sink);
    if (!model::LoadDefinition(folder, simModel.name, device, noTexts, sink) ||
        !functions.LoadFunctions(simModel.name, &device) || functions.DecoderCodes.empty()) {
        error = "--fill: no usable definition of " + simModel.name + " in " + folder + (failure.empty() ? "" : ": ") +
                failure;
        return false;
    }
    device.RecordCount = static_cast<int>(simModel.recordCount());
    device.EraseBlock = 2048; // packed: used records first, erased ones after them

    model::RecordTable records;
    model::NewRecords(device, records);
    std::mt19937 random(seed);
    std::uniform_int_distribution<unsigned> serials(0x00001, 0xFFFFE);
    std::set<unsigned> used;
    const int relays = std::max(1, device.Relays);
    for (unsigned slot = 1; slot <= count; ++slot) {
        model::TData& r = records[slot];
        unsigned serial = serials(random);
        while (!used.insert(serial).second) {
            serial = serials(random);
        }
        // Try function, channel and time choices until the model's checks accept the record.
        for (int attempt = 0; attempt < 64; ++attempt) {
            r.Serial = hexOf(serial, r.Serial.size());
            r.Button = hexOf(8u >> (random() % 4), r.Button.size());
            const std::size_t code = random() % functions.DecoderCodes.size();
            if (functions.isSingleLayout()) {
                r.Function = functions.DecoderCodes[code];
                r.Channels = hexOf(1u << (random() % static_cast<unsigned>(relays)), r.Channels.size());
                r.Times = hexOf(10u * (1 + random() % 30), r.Times.size());
            } else {
                r.Function = functions.DecoderCodes[code];
                std::string times;
                for (int k = 0; k < relays; ++k) {
                    times += hexOf(10u * (1 + random() % 30), 4);
                }
                times.resize(r.Times.size(), '0');
                r.Times = times;
                r.Channels = hexOf((1u << relays) - 1, r.Channels.size());
            }
            functions.ApplySets(r);
            if (functions.CheckRecord(r)) {
                break;
            }
        }
        r.Empty = false;
        r.User[0] = std::string(kPlaces[random() % std::size(kPlaces)]) + " " + std::to_string(slot);
    }
    device.UsedCount = static_cast<int>(count);
    std::string image;
    if (!model::EncodeMemory(device, records, image)) {
        error = "--fill: the records of " + simModel.name + " cannot be encoded";
        return false;
    }
    return memory.setHex(simModel.memStart, image);
}

} // namespace vorbix::rxsim
