#pragma once

#include <array>

namespace vorbix::app {

// The controls that LockCommCommands disables and UnlockCommCommands enables again while a
// communication command runs. The logger commands stay usable.
inline constexpr std::array<const char*, 12> kCommCommands = {
    "MenuCommSetup",    "MenuLogin",          "MenuPassChange",   "MenuUpload",
    "MenuDownload",     "MenuOnline",         "MenuMonitor",      "ToolButtonLogin",
    "ToolButtonUpload", "ToolButtonDownload", "ToolButtonOnline", "ToolButtonMonitor",
};

// The record commands the status update enables by page.
inline constexpr std::array<const char*, 6> kRecordCommands = {
    "MenuAdd", "MenuEdit", "MenuDelete", "ToolButtonAdd", "ToolButtonEdit", "ToolButtonDelete",
};

} // namespace vorbix::app
