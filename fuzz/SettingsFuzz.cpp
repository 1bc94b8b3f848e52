// The whole settings batch on a hand-edited settings file: it loads and saves, and what was saved
// loads to the same settings, so a second save writes the same text.

#include "core/app/Language.h"
#include "core/app/Settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vorbix::app;
    static const vorbix::PopisType lang = [] {
        vorbix::PopisType table;
        for (int i = 0; i < kLanguageTextCount; ++i) {
            table.push_back("text " + std::to_string(i));
        }
        return table;
    }();
    IniFile ini(std::string_view(reinterpret_cast<const char*>(data), size));
    static_cast<void>(ReadLanguageCode(ini));
    Settings settings;
    LoadUserTitles(ini, lang, settings);
    LoadSettings(ini, settings);
    const SaveContext context{"/data/set.rxd", &lang};
    SaveSettings(ini, settings, context);
    const std::string saved = ini.text();

    IniFile reread(saved);
    Settings again;
    LoadUserTitles(reread, lang, again);
    LoadSettings(reread, again);
    SaveSettings(reread, again, context);
    if (reread.text() != saved) {
        std::abort(); // a setting did not survive its own save
    }
    return 0;
}
