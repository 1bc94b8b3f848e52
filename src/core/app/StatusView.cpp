#include "core/app/StatusView.h"

namespace vorbix::app {

std::string WithStar(const std::string& caption)
{
    return caption.ends_with('*') ? caption : caption + "*";
}

std::string WithoutStar(const std::string& caption)
{
    return caption.ends_with('*') ? caption.substr(0, caption.size() - 1) : caption;
}

bool RecordCommandsEnabled(int page, bool loggedIn, bool dataOpen)
{
    switch (static_cast<Page>(page)) {
    case Page::Memory:
        return loggedIn;
    case Page::User:
        return dataOpen;
    case Page::Monitor:
        return true;
    default:
        return false;
    }
}

StatusView UpdateStatus(const StatusInput& in)
{
    const ShellState& s = in.state;
    StatusView view;
    view.captions = in.captions;

    view.panels[1] = in.connectionText;

    if (s.LoggedIn) {
        view.panels[0] = in.receiverDescription;
        view.captions.memory = s.MemoryChanged ? WithStar(in.captions.memory) : WithoutStar(in.captions.memory);
    } else {
        view.captions.memory = WithoutStar(in.captions.memory);
    }

    view.panels[2] = s.OnLine ? "On-line" : "";

    if (!s.DataOpen) {
        view.captions.user = WithoutStar(in.captions.user);
    } else if (s.DataSaved) {
        view.panels[3] = in.savedText;
        view.captions.user = WithoutStar(in.captions.user);
    } else {
        view.captions.user = WithStar(in.captions.user);
    }

    view.panels[4] = s.DataOpen ? s.DataFileName : "";

    if (in.monitor.SetupPresent) {
        view.captions.monitor =
            in.monitor.SetupSaved ? WithoutStar(in.captions.monitor) : WithStar(in.captions.monitor);
    }

    if (!in.messageViewShown) {
        view.recordCommandsEnabled = RecordCommandsEnabled(in.activePage, s.LoggedIn, s.DataOpen);
    }
    return view;
}

} // namespace vorbix::app
