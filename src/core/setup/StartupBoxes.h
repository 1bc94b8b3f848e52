#pragma once

namespace vorbix::app {
struct Settings;
}

// The start-up check boxes of the application setup dialog exclude each other: the welcome window
// and the user login each rule out the configured actions, and the login rules out the welcome
// window. Only setting a box clears others; clearing one changes nothing else.
namespace vorbix::setup {

enum class StartupBox
{
    Welcome,
    Login,
    Download,
    Online,
    Monitor,
    OpenData,
    OpenMonitor,
};

struct StartupBoxes
{
    bool Welcome = false;
    bool Login = false;
    bool Download = false;
    bool Online = false;
    bool Monitor = false;
    bool OpenData = false;
    bool OpenMonitor = false;

    bool operator==(const StartupBoxes&) const = default;
};

// The boxes after `box` was set to `checked`.
StartupBoxes SetStartupBox(StartupBoxes boxes, StartupBox box, bool checked);

// The boxes as the dialog shows them for the settings: each set in the order the dialog fills
// them (Welcome, Download, Online, Monitor, OpenData, OpenMonitor, then Login), each rule applied
// on the way, so a later box wins over an earlier one it excludes.
StartupBoxes FillStartupBoxes(const app::Settings& settings);

} // namespace vorbix::setup
