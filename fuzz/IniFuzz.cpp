#include "core/app/Settings.h"

#include <cstddef>
#include <cstdint>

// The settings file is edited by hand and by other programs: every input loads and saves.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vorbix::app::IniFile ini(std::string_view(reinterpret_cast<const char*>(data), size));
    vorbix::app::Settings settings;
    vorbix::app::LoadSettings(ini, settings);
    vorbix::app::SaveSettings(ini, settings, {});
    return 0;
}
