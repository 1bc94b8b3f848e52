#include "core/monitor/MonitorLooks.h"

#include "core/text/TextFile.h"

#include <array>

namespace vorbix::monitor {

MessageColours coloursOf(int colourCode)
{
    static constexpr std::array<MessageColours, kColourCount> kColours = {{
        {true, 0xFFFFFF, 0xFFFFFF, 0x000000}, // white
        {true, 0xFF0000, 0xFF0000, 0x000000}, // red
        {true, 0x0000FF, 0x0000FF, 0xFFFF00}, // blue, yellow text
        {true, 0x008000, 0x00FF00, 0x000000}, // green swatch, lime when active
        {true, 0xFFFF00, 0xFFFF00, 0x000000}, // yellow
        {true, 0xFF00FF, 0xFF00FF, 0x000000}, // magenta
        {true, 0x000000, 0x000000, 0xFFFFFF}, // black, white text
    }};
    if (colourCode < 0 || colourCode >= kColourCount) {
        return MessageColours{};
    }
    return kColours[static_cast<std::size_t>(colourCode)];
}

MessageLook linkAlarmLook(const std::string& fontName)
{
    const MessageColours colours = coloursOf(kLinkAlarmColour);
    MessageLook look;
    look.BackColour = colours.background;
    look.TextColour = colours.text;
    look.BlinkOn = true;
    look.FontName = fontName;
    look.FontSize = kLinkAlarmSize;
    return look;
}

std::string soundFileOf(int soundCode, const std::string& programFolder, const std::string& ownFile)
{
    static constexpr std::array<const char*, 5> kBuiltIn = {"SBeep.wav", "LBeep.wav", "TriBeep.wav", "Alarm.wav",
                                                            "Permanent.wav"};
    if (soundCode >= 1 && soundCode <= 5) {
        return text::joinPath(text::joinPath(programFolder, "Sounds"),
                              kBuiltIn[static_cast<std::size_t>(soundCode - 1)]);
    }
    return soundCode == kOwnSoundFile ? ownFile : std::string();
}

} // namespace vorbix::monitor
