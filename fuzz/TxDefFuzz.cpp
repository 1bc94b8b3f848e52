// "Tx.def" lists the transmitter types and is edited by hand: no input may crash the reader, and
// what it gives must fit the record view that draws it (four buttons, inputs with their codes).

#include "FuzzFolder.h"

#include "core/model/TTx.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vorbix;
    fuzz::writeScratchFile(model::TxDefFileName, std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<model::TTx> types;
    static_cast<void>(model::LoadTxTypes(fuzz::scratchFolder(), types, NoTexts(), [](const std::string&) {}));
    for (const model::TTx& type : types) {
        if (!type.HasButtons && type.Inputs.size() != static_cast<std::size_t>(type.Count)) {
            std::abort(); // an input type holds Count inputs
        }
    }
    return 0;
}
