#pragma once

#include <string>

namespace vorbix::app {

// The program's modes as the status bar, the page captions and the command enabling see them.
// The main window holds the one instance; every other window reads and changes it there and then
// asks for a status refresh.
struct ShellState
{
    bool StartupDone = false;      // the start-up checks passed and the settings were loaded
    bool FirstActivation = true;   // the main window has not been activated yet
    bool StartFileGiven = false;   // the command line named an existing file
    bool LoggedIn = false;         // logged in to a receiver; the memory view shows its memory
    bool OnLine = false;           // on-line polling runs
    bool DataOpen = false;         // a data set is open in the file view
    bool DataSaved = true;         // the open data set has no unsaved change
    bool MemoryChanged = false;    // the memory view was edited since the last download
    bool MemoryDownloaded = false; // a download succeeded in this run
    bool AdminRights = false;      // administrator, or no user login configured
    std::string DataFileName;      // the open data set's file; empty for a set never saved
};

// What the shell reads of the monitor; the monitor keeps these marks itself.
struct MonitorMarks
{
    bool SetupPresent = false; // a monitor setup is loaded or being edited
    bool SetupSaved = true;
};

} // namespace vorbix::app
