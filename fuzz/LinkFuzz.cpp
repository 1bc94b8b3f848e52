// The program's side of the receiver protocol against a receiver played by the input (see
// ScriptedTransport): login, the re-check and password write, both download variants, the upload
// and the keep-alive, over a COM port or TCP with and without the gateway's framing. Whatever comes
// back, the program must neither crash nor hang; the clock is fake, so every time-out is free.

#include "FuzzFolder.h"
#include "FuzzInput.h"
#include "ScriptedTransport.h"

#include "core/app/Language.h"
#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

using namespace vorbix;

const PopisType& texts()
{
    static const PopisType table = [] {
        PopisType t;
        for (int i = 0; i < app::kLanguageTextCount; ++i) {
            t.push_back("text " + std::to_string(i));
        }
        return t;
    }();
    return table;
}

// A shipped model with a small memory, for the transfers when the input did not log in.
model::TDevice fallbackDevice(std::uint8_t choice, std::uint8_t size)
{
    static const std::vector<model::TRxArray> models = [] {
        std::vector<model::TRxArray> list;
        std::vector<std::string> descriptions;
        static_cast<void>(
            model::LoadModelList(fuzz::dataFolder() + "/" + model::RxDefFileName, list, descriptions, texts(), {}));
        return list;
    }();
    model::TDevice device;
    if (models.empty()) {
        return device;
    }
    device.Model = models[choice % models.size()].Name;
    static_cast<void>(model::LoadDefinition(fuzz::dataFolder(), device.Model, device, texts(), {}));
    device.MemStart = 0x0100;
    device.MemEnd = device.MemStart + 16 * (size % 16 + 1) - 1;
    device.NameAddr = 0x0F10;
    device.PassAddr = 0x0F20;
    device.RecordCount = device.recordsInMemory();
    return device;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::uint8_t flags = input.byte();
    const std::uint8_t cancelAfter = input.byte();
    const std::uint8_t fallbackModel = input.byte();
    const std::uint8_t fallbackSize = input.byte();

    fuzz::FuzzClock clock;
    link::TKomunikace komunikace(texts());
    komunikace.setClock(clock);
    komunikace.setErrorSink([](const std::string&) {});
    komunikace.Settings.ConnectionType = (flags & 1) != 0 ? link::ConnectionKind::TcpIp : link::ConnectionKind::ComPort;
    komunikace.Settings.DumpRead = (flags & 2) != 0;
    komunikace.Settings.IPAddress = "127.0.0.1";
    komunikace.Settings.IPPort = (flags & 4) != 0 ? "5000" : "10001";
    const int port =
        komunikace.Settings.ConnectionType == link::ConnectionKind::TcpIp ? std::stoi(komunikace.Settings.IPPort) : 0;
    if (!komunikace.openWith(std::make_unique<fuzz::ScriptedTransport>(input, clock, port))) {
        return 0;
    }
    // A cancel from the busy window after some polls, when the input asks for one.
    int polls = 0;
    komunikace.setPump([&] {
        if (cancelAfter != 0 && ++polls == cancelAfter * 8) {
            komunikace.CancelRequested = true;
        }
    });

    model::ReceiverMemory memory;
    link::TRx rx(komunikace, memory, texts(), fuzz::dataFolder());
    rx.setErrorSink([](const std::string&) {});
    rx.setProgressSink([](int percent) {
        if (percent < 0 || percent > 100) {
            __builtin_trap(); // progress is a percentage
        }
    });
    rx.setCancelQuestion([&](const std::string&) { return (flags & 8) != 0; });

    if (!rx.ReadConfiguration()) {
        memory.Device = fallbackDevice(fallbackModel, fallbackSize);
    }
    if ((flags & 16) != 0) {
        static_cast<void>(rx.PisPass(std::string(input.take(input.byte() % 20))));
    }
    model::TDevice& device = memory.Device;
    bool encoded = false;
    if (rx.DownloadMemory()) {
        encoded = model::DecodeMemory(device, memory.MemoryImage, memory.Records) &&
                  model::EncodeMemory(device, memory.Records, memory.UploadImage);
    } else if ((flags & 64) != 0) {
        model::NewRecords(device, memory.Records);
        encoded = model::EncodeMemory(device, memory.Records, memory.UploadImage);
    }
    if (encoded) {
        static_cast<void>(rx.UploadMemory());
    }
    if ((flags & 32) != 0) {
        static_cast<void>(rx.OverHeslo());
        char c = 0;
        while (komunikace.JeEcho(c)) {
        }
        komunikace.KeepAlive();
    }
    return 0;
}
