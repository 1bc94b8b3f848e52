#pragma once

#include <cstdint>
#include <string>

// How a message looks and sounds: its colour code and its sound code.
namespace vorbix::monitor {

inline constexpr int kColourCount = 7; // codes 0..6
inline constexpr int kSoundCount = 7;  // codes 0..6
inline constexpr int kOwnSoundFile = 6;
inline constexpr int kAlarmSound = 4;     // "Alarm.wav", or six rising tone triplets
inline constexpr int kPermanentAlarm = 5; // repeats until the message is deactivated

// Colours as 0xRRGGBB.
struct MessageColours
{
    bool hasSwatch = false;              // codes outside 0..6 have none
    std::uint32_t swatch = 0xFFFFFF;     // the page's colour column and the dialog's colour list
    std::uint32_t background = 0xFFFFFF; // an active message
    std::uint32_t text = 0x000000;
};

MessageColours coloursOf(int colourCode);

// The sound file of a sound code: the built-in sounds 1..5 under "Sounds" of the program folder, the
// message's own file for 6, nothing ("") for 0 and any other code.
std::string soundFileOf(int soundCode, const std::string& programFolder, const std::string& ownFile);

// The drawing attributes of an active message (NastavPismo).
struct MessageLook
{
    std::uint32_t BackColour = 0xFFFFFF;
    std::uint32_t TextColour = 0x000000;
    bool BlinkOn = false;
    std::string FontName;
    int FontSize = 8;
};

// The link-lost alarm is no message of the setup: it looks the same in every setup, red and
// blinking, larger than a message's default size so that it stands out in a full table.
inline constexpr int kLinkAlarmColour = 1; // red
inline constexpr int kLinkAlarmSize = 12;
MessageLook linkAlarmLook(const std::string& fontName);

} // namespace vorbix::monitor
