#include "core/app/Language.h"

#include <cstddef>
#include <cstdint>

// A language file comes from the installation and may be edited by hand: no input may crash the
// loader or make it write outside the table.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vorbix::PopisType table(3, "previous");
    std::string error;
    (void)vorbix::app::ParseLanguage(std::string_view(reinterpret_cast<const char*>(data), size), table, error);
    return 0;
}
