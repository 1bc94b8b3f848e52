#include "tools/rxsim/SimSetup.h"

#include "core/model/DataFile.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"
#include "core/text/AtomicFile.h"

namespace vorbix::rxsim {
namespace {

// The model code reports its failures as language texts; the simulator has no language file, so
// it names the failure itself and keeps the first detail the model code gave.
struct Failure
{
    std::string detail;
    ErrorSink sink()
    {
        return [this](const std::string& message) {
            if (detail.empty()) {
                detail = message;
            }
        };
    }
    std::string with(const std::string& what) const { return detail.empty() ? what : what + " (" + detail + ")"; }
};

// Record digit (from 0) of the read layout item `item` ("S01", "B01"), or -1 when none reads it.
int digitOf(const std::string& readLayout, const std::string& item)
{
    for (std::size_t j = 0; j + 3 <= readLayout.size(); j += 3) {
        if (readLayout.compare(j, 3, item) == 0) {
            return static_cast<int>(j / 3);
        }
    }
    return -1;
}

} // namespace

bool loadModelFromFolder(const std::string& folder, SimModel& model, std::string& error)
{
    // Message texts are not needed: the language table stays empty and the failure is named here.
    const PopisType noTexts;
    Failure failure;
    model::TDevice device;
    if (!model::LoadDefinition(folder, model.name, device, noTexts, failure.sink())) {
        error = failure.with("--folder " + folder + ": no model " + model.name + " in " + model::RxDefFileName);
        return false;
    }
    if (device.EmptyRecord.empty() || device.EmptyRecord.size() % 2 != 0) {
        error = "--folder " + folder + ": the empty record of " + model.name + " is not whole bytes";
        return false;
    }
    for (unsigned d = 0; d < model.serialDigits.size(); ++d) {
        const int digit = digitOf(device.ReadLayout, "S0" + std::to_string(d + 1));
        if (digit < 0) {
            error = "--folder " + folder + ": the read layout of " + model.name + " has no S0" + std::to_string(d + 1);
            return false;
        }
        model.serialDigits[d] = static_cast<unsigned>(digit);
    }
    const int button = digitOf(device.ReadLayout, "B01");
    model.buttonDigit = button < 0 ? std::nullopt : std::optional<unsigned>(static_cast<unsigned>(button));
    model.recordSize = static_cast<unsigned>(device.EmptyRecord.size() / 2);
    model.emptyRecord = device.EmptyRecord;
    model.relays = static_cast<unsigned>(std::max(device.Relays, 0));
    model.eraseBlock = static_cast<unsigned>(std::max(device.EraseBlock, 0));
    return true;
}

bool loadDataFile(const std::string& path, const std::string& folder, SimMemory& memory, std::string& error)
{
    const SimModel& simModel = memory.model();
    const PopisType noTexts;
    Failure failure;
    model::TDevice receiver;
    receiver.Model = simModel.name;
    if (!model::LoadDefinition(folder, simModel.name, receiver, noTexts, failure.sink())) {
        error = failure.with("--load " + path + ": no model " + simModel.name + " in " + folder + "/" +
                             model::RxDefFileName + " (give --folder)");
        return false;
    }
    if (static_cast<unsigned>(receiver.EmptyRecord.size()) != 2 * simModel.recordSize) {
        error = "--load " + path + ": the records of " + simModel.name + " in Rx.def are not " +
                std::to_string(simModel.recordSize) + " bytes long";
        return false;
    }
    receiver.RecordCount = static_cast<int>(simModel.recordCount());
    model::LoadedDataFile loaded;
    if (!model::ReadDataFile(path, folder, &receiver, loaded, noTexts, failure.sink())) {
        error = failure.with("--load " + path + ": not a data file of " + simModel.name + " with at most " +
                             std::to_string(receiver.RecordCount) + " slots");
        return false;
    }
    if (!memory.setHex(simModel.memStart, loaded.MemoryImage)) {
        error = "--load " + path + ": the memory line is not hex";
        return false;
    }
    return true;
}

bool saveDataFile(const SimMemory& memory, const std::string& folder, const std::string& path, std::string& error)
{
    model::TDevice device;
    device.Model = memory.model().name;
    device.RecordCount = static_cast<int>(memory.model().recordCount());
    const std::string image = memory.recordImage();
    // Slots without IDs or types: the receiver keeps none of them. The models that keep User 1 in
    // the E field get it back, as the program's own download would, so that uploading the file
    // does not erase the names.
    model::RecordTable records(static_cast<std::size_t>(device.RecordCount) + 1);
    const PopisType noTexts;
    Failure ignored;
    model::TDevice decoding = device;
    if (!folder.empty() && model::LoadDefinition(folder, device.Model, decoding, noTexts, ignored.sink()) &&
        decoding.EmptyRecord.size() == 2 * memory.model().recordSize) {
        model::RecordTable decoded;
        if (model::DecodeMemory(decoding, image, decoded)) {
            for (std::size_t k = 1; k < records.size() && k < decoded.size(); ++k) {
                records[k].User[0] = decoded[k].User[0];
            }
        }
    }
    return text::writeFileAtomically(path, model::formatDataFile(device, records, image), error);
}

} // namespace vorbix::rxsim
