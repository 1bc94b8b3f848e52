#include "core/setup/StartupBoxes.h"

#include "core/app/Settings.h"

namespace vorbix::setup {

StartupBoxes SetStartupBox(StartupBoxes b, StartupBox box, bool checked)
{
    switch (box) {
    case StartupBox::Welcome:
        b.Welcome = checked;
        if (checked) {
            b.OpenData = b.Download = b.Online = b.Monitor = b.Login = false;
        }
        break;
    case StartupBox::Download:
    case StartupBox::Online:
    case StartupBox::Monitor:
        (box == StartupBox::Download ? b.Download : box == StartupBox::Online ? b.Online : b.Monitor) = checked;
        if (checked) {
            b.Welcome = b.Login = false;
        }
        break;
    case StartupBox::OpenData:
        b.OpenData = checked;
        if (checked) {
            b.Welcome = b.Login = false;
        }
        break;
    case StartupBox::OpenMonitor:
        b.OpenMonitor = checked;
        if (checked) {
            b.Login = false;
        }
        break;
    case StartupBox::Login:
        b.Login = checked;
        if (checked) {
            b.OpenData = b.Download = b.Online = b.Monitor = b.Welcome = false;
        }
        break;
    }
    return b;
}

StartupBoxes FillStartupBoxes(const app::Settings& s)
{
    StartupBoxes b;
    const std::pair<StartupBox, bool> order[] = {
        {StartupBox::Welcome, s.Welcome},       {StartupBox::Download, s.Download},
        {StartupBox::Online, s.Online},         {StartupBox::Monitor, s.Monitor},
        {StartupBox::OpenData, s.OpenDataFile}, {StartupBox::OpenMonitor, s.OpenMonitorFile},
        {StartupBox::Login, s.Login},
    };
    for (const auto& [box, value] : order) {
        b = SetStartupBox(b, box, value);
    }
    return b;
}

} // namespace vorbix::setup
