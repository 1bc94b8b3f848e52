// "Rx.def" is a text file in the program folder that installers and users edit. Every input is
// read as the model list, then each listed model (at most a few) is loaded as a login and as a file
// open would, and a device so defined must take a fresh table through the encoder and decoder.

#include "FuzzFolder.h"

#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace vorbix;

// A device loaded for a login is used with a small memory: an empty table encodes to an image of
// every slot, which decodes again.
void useDevice(model::TDevice device)
{
    device.RecordCount = 3;
    model::RecordTable records;
    model::NewRecords(device, records);
    std::string image;
    if (!model::EncodeMemory(device, records, image)) {
        return;
    }
    if (image.size() != static_cast<std::size_t>(device.RecordCount * device.recordLength())) {
        std::abort(); // the image holds every slot
    }
    model::RecordTable decoded;
    static_cast<void>(model::DecodeMemory(device, image, decoded));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path =
        fuzz::writeScratchFile(model::RxDefFileName, std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string& folder = fuzz::scratchFolder();
    const PopisType& lang = NoTexts();
    const ErrorSink ignore = [](const std::string&) {};

    std::vector<model::TRxArray> models;
    std::vector<std::string> descriptions;
    if (!model::LoadModelList(path, models, descriptions, lang, ignore)) {
        return 0;
    }
    for (std::size_t i = 0; i < models.size() && i < 4; ++i) {
        const model::TRxArray& entry = models[i];
        if (entry.ItemIndex < 0 || static_cast<std::size_t>(entry.ItemIndex) >= descriptions.size() ||
            descriptions[static_cast<std::size_t>(entry.ItemIndex)] != entry.Description) {
            std::abort(); // ItemIndex points at the model's description in the shown list
        }
        model::TDevice device;
        device.Model = entry.Name;
        if (model::LoadDefinition(folder, entry.Name, device, lang, ignore)) {
            useDevice(device);
        }
        model::TDevice opened;
        opened.Model = entry.Name;
        static_cast<void>(model::FindModel(folder, opened, lang, ignore));
    }
    return 0;
}
