// A data file comes from the user's disk and may have been edited or cut short: every input is
// read as a file of its own model, as a file for a logged-in receiver of that model, and as a
// source of comments. A file that reads must also read again after it was written out.

#include "FuzzFolder.h"

#include "core/model/DataFile.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vorbix;
    const std::string path =
        fuzz::writeScratchFile("input.rxd", std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string folder = fuzz::dataFolder();
    const PopisType& lang = NoTexts();
    const ErrorSink ignore = [](const std::string&) {};

    model::LoadedDataFile loaded;
    if (!model::ReadDataFile(path, folder, nullptr, loaded, lang, ignore)) {
        return 0;
    }

    // The same file for a receiver of its model with a slot more than the file has.
    model::TDevice receiver;
    if (model::LoadDefinition(folder, loaded.Device.Model, receiver, lang, ignore)) {
        receiver.Model = loaded.Device.Model;
        receiver.RecordCount = loaded.FileRecordCount + 1;
        model::LoadedDataFile forReceiver;
        static_cast<void>(model::ReadDataFile(path, folder, &receiver, forReceiver, lang, ignore));
    }

    model::RecordTable records = loaded.Records;
    static_cast<void>(model::ImportComments(path, folder, records, lang, ignore));

    model::TDevice device = loaded.Device;
    std::string image;
    if (model::EncodeMemory(device, records, image)) {
        const std::string again = fuzz::writeScratchFile("again.rxd", model::formatDataFile(device, records, image));
        model::LoadedDataFile reread;
        if (!model::ReadDataFile(again, folder, nullptr, reread, lang, ignore)) {
            std::abort(); // a data file the program writes must open again
        }
    }
    return 0;
}
