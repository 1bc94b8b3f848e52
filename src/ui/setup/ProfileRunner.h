#pragma once

#include "core/app/TConnection.h"

#include <QString>
#include <functional>

namespace vorbix::ui {

class Shell;

// Runs a connection profile for the user login and the welcome window: the link takes its
// connection, its data and monitor files are opened, and its actions (download, on-line mode,
// monitor mode) run through the main window's commands, so they behave as when the user picks them.
class ProfileRunner
{
public:
    using FileOpener = std::function<void(const QString& path)>;

    // `openData` makes a data file the data set (DataFileName takes it; it opens when it exists);
    // `loadMonitor` the same for a monitor setup file.
    ProfileRunner(Shell& shell, FileOpener openData, FileOpener loadMonitor);

    // The link and the settings' current connection take the profile's kind, port, speed, address
    // and TCP port; DumpRead is switched off unless `keepDumpRead`. The status shows the new text.
    void takeConnection(const app::TConnection& profile, bool keepDumpRead);
    // The profile's data file, then its monitor file, when it names them.
    void openFiles(const app::TConnection& profile);
    // Download, then on-line mode, then monitor mode, as the profile asks.
    void runActions(const app::TConnection& profile);

private:
    void trigger(const char* actionName);

    Shell& m_shell;
    FileOpener m_openData;
    FileOpener m_loadMonitor;
};

} // namespace vorbix::ui
