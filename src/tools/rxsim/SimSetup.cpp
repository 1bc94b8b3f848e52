#include "tools/rxsim/SimSetup.h"

#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"

#include <vector>

namespace vorbix::rxsim {

bool loadModelFromFolder(const std::string& folder, SimModel& /*model*/, std::string& error)
{
    error = "--folder " + folder + ": reading Rx.def is not supported yet; use --model and the address options";
    return false;
}

bool loadDataFile(const std::string& path, SimMemory& /*memory*/, std::string& error)
{
    error = "--load " + path + ": reading data files is not supported yet; use --fill";
    return false;
}

bool saveDataFile(const SimMemory& memory, const std::string& path, std::string& error)
{
    const unsigned slots = memory.model().recordCount();
    std::vector<std::string> lines = {memory.model().name, std::to_string(slots), memory.recordImage()};
    for (unsigned k = 1; k <= slots; ++k) {
        std::string slot = std::to_string(k);
        slot.resize(std::max<std::size_t>(slot.size(), 4), ' ');
        lines.push_back(slot + "0#####");
        lines.push_back("x0 -");
    }
    return text::writeFileAtomically(path, text::joinLinesCrLf(lines), error);
}

} // namespace vorbix::rxsim
