#pragma once

#include "core/app/ShellState.h"

#include <array>
#include <optional>
#include <string>

namespace vorbix::app {

// Page indexes of the main window's page control.
enum class Page
{
    Memory = 0,
    User = 1,
    History = 2,
    Battery = 3,
    Monitor = 4,
    DirectControl = 5,
};

// The captions that carry the unsaved mark "*".
struct PageCaptions
{
    std::string memory;
    std::string user;
    std::string monitor;
};

// Everything one status update reads.
struct StatusInput
{
    ShellState state;
    MonitorMarks monitor;
    std::string connectionText;      // the link's ConnectionText
    std::string receiverDescription; // the logged-in receiver type's description
    std::string savedText;           // language text 88
    int activePage = 0;
    bool messageViewShown = false; // monitor mode: the record commands are left alone
    PageCaptions captions;         // the captions as they stand now
};

// What one status update shows.
struct StatusView
{
    std::array<std::string, 5> panels;
    PageCaptions captions;
    // Unset in monitor mode, where the monitor page owns the record commands.
    std::optional<bool> recordCommandsEnabled;
};

// Appends "*" unless the caption already ends with it.
std::string WithStar(const std::string& caption);
// Removes one final "*", if there is one.
std::string WithoutStar(const std::string& caption);

// Add, Edit and Delete act on the active page's records: the memory view needs a receiver, the file
// view an open data set, the monitor page always has its lists; the other pages have none.
bool RecordCommandsEnabled(int page, bool loggedIn, bool dataOpen);

// The status bar panels 0..4, the "*" marks of the Memory, File and Monitoring captions and the
// record commands, computed from the state.
StatusView UpdateStatus(const StatusInput& input);

} // namespace vorbix::app
