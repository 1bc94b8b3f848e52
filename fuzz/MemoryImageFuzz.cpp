// The memory image arrives from a receiver or from a data file, and the layouts that cut it into
// fields come from "Rx.def". The first byte picks a shipped model (or, with its top bit set, a device
// whose empty record and layouts are the next three lines of the input), the second the number of
// slots; the rest is the image. It is decoded, edited, encoded and decoded again.

#include "FuzzFolder.h"
#include "FuzzInput.h"

#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace vorbix;

const std::vector<model::TRxArray>& shippedModels()
{
    static const std::vector<model::TRxArray> models = [] {
        std::vector<model::TRxArray> list;
        std::vector<std::string> descriptions;
        static_cast<void>(
            model::LoadModelList(fuzz::dataFolder() + "/" + model::RxDefFileName, list, descriptions, NoTexts(), {}));
        return list;
    }();
    return models;
}

model::TDevice deviceFrom(fuzz::FuzzInput& input)
{
    const std::uint8_t choice = input.byte();
    const std::uint8_t slots = input.byte();
    model::TDevice device;
    if ((choice & 0x80) != 0) {
        device.Model = "KV8MOD-T";
        device.EmptyRecord = input.line();
        device.ErasedRecord.assign(device.EmptyRecord.size(), 'F');
        device.ReadLayout = input.line();
        device.WriteLayout = input.line();
        device.EraseBlock = (choice & 1) != 0 ? 2048 : 256;
    } else if (!shippedModels().empty()) {
        device.Model = shippedModels()[choice % shippedModels().size()].Name;
        static_cast<void>(model::LoadDefinition(fuzz::dataFolder(), device.Model, device, NoTexts(), {}));
    }
    device.RecordCount = slots % 64;
    return device;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    model::TDevice device = deviceFrom(input);
    const std::string_view image = input.rest();
    static_cast<void>(model::HexToText(image));

    model::RecordTable records;
    if (!model::DecodeMemory(device, image, records)) {
        return 0;
    }
    if (records.size() != static_cast<std::size_t>(device.RecordCount) + 1 || device.UsedCount < 0 ||
        device.UsedCount > device.RecordCount) {
        std::abort(); // a slot per record and the used area within them
    }
    for (std::size_t k = 1; k < records.size(); ++k) {
        static_cast<void>(model::HexToText(records[k].Extra));
        static_cast<void>(model::FindBySerial(records, records[k].Serial));
    }
    const PopisType& lang = NoTexts();
    int slot = 0;
    if (model::TakeFirstFreeSlot(device, records, slot, lang, {})) {
        records[static_cast<std::size_t>(slot)].Serial = "12345";
        records[static_cast<std::size_t>(slot)].Empty = false;
        records[static_cast<std::size_t>(slot)].User[0] = "fuzz";
    }
    if (records.size() > 1) {
        model::ClearRecord(device, records[1]);
    }

    std::string encoded;
    if (!model::EncodeMemory(device, records, encoded)) {
        return 0;
    }
    if (encoded.size() !=
        static_cast<std::size_t>(device.RecordCount) * static_cast<std::size_t>(device.recordLength())) {
        std::abort(); // the image holds every slot
    }
    model::RecordTable again;
    static_cast<void>(model::DecodeMemory(device, encoded, again));
    return 0;
}
