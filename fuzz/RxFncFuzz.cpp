// The function file ("RxFnc" + language + ".def") is edited by hand. Every input is loaded for the
// model its first line names, without and with that model's layout from the shipped "Rx.def", and
// the rules and texts it gives are applied to records made from the input's bytes.

#include "FuzzFolder.h"

#include "core/link/Checksum.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"
#include "core/model/TRxFnc.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace vorbix;

// Records of `device` whose memory is the input's bytes, repeated.
model::RecordTable recordsFrom(model::TDevice& device, std::string_view bytes)
{
    device.RecordCount = 4;
    std::string image;
    const auto digits = static_cast<std::size_t>(device.RecordCount * device.recordLength());
    for (std::size_t i = 0; image.size() < digits && !bytes.empty(); ++i) {
        image += link::HexByte(static_cast<unsigned char>(bytes[i % bytes.size()]));
    }
    model::RecordTable records;
    if (!model::DecodeMemory(device, image, records)) {
        model::NewRecords(device, records);
    }
    return records;
}

void useFunctions(const model::TRxFnc& functions, model::RecordTable& records)
{
    for (std::size_t k = 1; k < records.size(); ++k) {
        model::TData& record = records[k];
        static_cast<void>(functions.CheckRecord(record));
        functions.ApplySets(record);
        static_cast<void>(model::TRxFnc::RelayListText(record.Channels));
        static_cast<void>(model::TRxFnc::TimeText(record.Times));
        static_cast<void>(functions.TimeOf(record.Times));
        static_cast<void>(functions.FuncNameOf(record.Function));
        for (int relay = 0; relay <= functions.SingleRelay + 1; ++relay) {
            static_cast<void>(functions.RelayTimeOf(relay, record.Times));
            static_cast<void>(functions.RelayFuncNameOf(relay, record.Function));
            record.Times = functions.SetRelayTime(relay, static_cast<int>(k) * 1000 - 1500, record.Times);
        }
    }
    std::string code;
    for (const std::string& name : functions.FuncNames) {
        static_cast<void>(functions.FuncCodeOf(name, code));
        static_cast<void>(functions.RelayFuncCodeOf(1, name, code));
        static_cast<void>(functions.RelayFuncCodeOf(functions.SingleRelay, name, code));
    }
    for (int tenths : {-1, 0, 655, 65535, 70000}) {
        static_cast<void>(functions.TimeCode(tenths));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    fuzz::writeScratchFile("RxFncUS.def", content);
    std::string modelName(content.substr(0, content.find_first_of("\r\n")));

    model::TRxFnc functions;
    functions.Folder = fuzz::scratchFolder();
    functions.FileName = model::TRxFnc::functionFileName(functions.Folder, "XX");
    functions.setMessages(&NoTexts(), [](const std::string&) {});

    model::TDevice device;
    const bool shipped = model::LoadDefinition(fuzz::dataFolder(), modelName, device, NoTexts(), {});
    if (!shipped) {
        static_cast<void>(model::LoadDefinition(fuzz::dataFolder(), "KV8MOD-T", device, NoTexts(), {}));
    }
    model::RecordTable records = recordsFrom(device, content);

    if (functions.LoadFunctions(modelName)) {
        useFunctions(functions, records);
    }
    if (shipped && functions.LoadFunctions(modelName, &device)) {
        useFunctions(functions, records);
    }
    return 0;
}
