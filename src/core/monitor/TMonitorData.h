#pragma once

#include "core/monitor/TEvent.h"

#include <chrono>
#include <string>
#include <vector>

namespace vorbix::monitor {

// What the message dialog edits of a message: its text and presentation.
struct MessageValues
{
    std::string Text;
    int Colour = 0; // 0..6, see MonitorColours.h
    int Size = 8;   // points
    bool Blink = false;
    int Sound = 0; // 0..6, see MonitorSounds.h
    std::string SoundFile;
    std::string Picture;
    bool ActivateApp = false;
    bool ShowWindow = false;

    bool operator==(const MessageValues&) const = default;
};

// One message of a monitor setup. The fields up to ShowWindow are kept in the setup file; the rest
// belongs to reception and starts empty after every load.
struct TMonitorData
{
    int Number = 0; // shown to the user; position + 1 after any removal
    std::vector<TEvent> ActiveEvents;
    std::vector<TEvent> DeactiveEvents;
    std::string Text;
    int Colour = 0;
    int Size = 8;
    bool Blink = false;
    int Sound = 0;
    std::string SoundFile;
    std::string Picture;
    bool ActivateApp = false;
    bool ShowWindow = false;

    // --- run time ---
    int Order = 0; // 0 = not active; the active messages hold 1, 2, ... in their order of activation
    int Slot = -1; // pop-up position slot in use, -1 = none
    std::chrono::system_clock::time_point ActivatedAt;
    bool Handled = false;  // already switched during the reception being processed
    bool Marked = false;   // ticked in the table of active messages
    void* Popup = nullptr; // the message's pop-up window, owned by the windows; opaque here

    MessageValues values() const
    {
        return {Text, Colour, Size, Blink, Sound, SoundFile, Picture, ActivateApp, ShowWindow};
    }
    void setValues(const MessageValues& v)
    {
        Text = v.Text;
        Colour = v.Colour;
        Size = v.Size;
        Blink = v.Blink;
        Sound = v.Sound;
        SoundFile = v.SoundFile;
        Picture = v.Picture;
        ActivateApp = v.ActivateApp;
        ShowWindow = v.ShowWindow;
    }
    bool isActive() const { return Order > 0; }
};

} // namespace vorbix::monitor
