// The settings file is edited by hand and by other programs. The first two lines of the input name
// a section and a key, the rest is the file: every read of that key works, a value written is read
// back, and the file's text is stable once it has been through the reader.

#include "FuzzInput.h"

#include "core/app/IniFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool plainName(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using vorbix::app::IniFile;
    vorbix::fuzz::FuzzInput input(data, size);
    const std::string_view section = input.line();
    const std::string_view key = input.line();
    IniFile ini(input.rest());

    static_cast<void>(ini.readString(section, key, "default"));
    static_cast<void>(ini.readInteger(section, key, 7));
    static_cast<void>(ini.readBool(section, key, true));
    static_cast<void>(ini.sectionValues(section));
    static_cast<void>(ini.sectionExists(section));
    static_cast<void>(ini.valueExists(section, key));

    const std::string text = ini.text();
    if (IniFile(text).text() != text) {
        std::abort(); // reading a file the program wrote changes nothing
    }

    ini.writeInteger(section, key, -12);
    if (plainName(section) && plainName(key) && ini.readInteger(section, key, 0) != -12) {
        std::abort(); // a value written is read back
    }
    ini.deleteKey(section, key);
    ini.writeString("Setup", key, section);
    ini.eraseSection(section);
    if (plainName(section) && ini.sectionExists(section)) {
        std::abort(); // an erased section is gone
    }
    return 0;
}
