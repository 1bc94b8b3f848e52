#pragma once

#include "core/app/TConnection.h"
#include "core/link/ConnectionSettings.h"

#include <optional>
#include <string>

// The connection profile editor of the application setup dialog, without the dialog: what its
// fields hold, the check of those fields, how they are stored into a profile, and Add, Save and
// Delete on the profile list. Profile 0 ("Default") is never edited here; grid row n shows
// profile n.
namespace vorbix::setup {

// What the editor's controls hold.
struct ProfileForm
{
    std::string Name;
    std::optional<link::ConnectionKind> kind; // the radio item; none chosen changes no connection
    std::string PortText;                     // "COM " + number
    std::string SpeedText;
    std::string AddressText;
    std::string IPPortText;
    bool GoDownload = false;
    bool GoOnline = false;
    bool GoMonitor = false;
    bool OpenData = false;
    std::string DataText;
    bool OpenMonitor = false;
    std::string MonitorText;
};

enum class ProfileField
{
    None,
    Name,
    Port,
    Speed,
    Address,
    IPPort,
};

// The outcome of a check: accepted, or the language text to show and the field to focus.
struct ProfileCheck
{
    bool accepted = true;
    int languageText = 0;
    ProfileField field = ProfileField::None;
};

// The editor's check, in order: an empty name (text 128); for a serial profile the number after
// "COM " (135) and the speed (136); for TCP/IP exactly three dots in the address (101) and a port
// text of at least two characters (102). The address and port are not examined further.
ProfileCheck CheckProfile(const ProfileForm& form);

// Stores checked fields into a profile: the name, DumpRead off, the kind with its own fields and
// the Title (the other kind's fields keep their values), the actions, and the files when their
// boxes are set (else empty).
void StoreProfile(const ProfileForm& form, app::TConnection& profile);

// What the editor shows for profile `row`; a row without a profile shows profile 0's connection
// and name, with no actions and no files.
ProfileForm FormForRow(const app::ConnectionList& profiles, int row);

// The result of Add, Save and Delete: the check (for the message and the focus) and the grid row
// to select afterwards.
struct ProfileEdit
{
    ProfileCheck check;
    int row = 1;
};

// Add: with the name of a saved profile it acts as Save on the selected row; otherwise a new
// profile is appended, checked and stored, and removed again when the check fails.
ProfileEdit AddProfile(app::ConnectionList& profiles, int selectedRow, const ProfileForm& form);
// Save: the profile of the selected row is checked and stored; a row after the last profile
// appends one. A failed check leaves the list as it was.
ProfileEdit SaveProfile(app::ConnectionList& profiles, int selectedRow, const ProfileForm& form);
// Delete: the selected row's profile goes and the following ones move up; a row without a profile
// changes nothing.
ProfileEdit DeleteProfile(app::ConnectionList& profiles, int selectedRow);

// The number of data rows of the profile grid: one per saved profile, at least one.
int ProfileGridRows(const app::ConnectionList& profiles);

// The actions column: "Download", "Online", "Monitor" for the set flags, joined by ", ".
std::string ProfileActionsText(const app::TConnection& profile);

// What the link takes from a profile chosen at login (DumpRead off) or in the welcome window
// (DumpRead kept): the kind, port, speed, address and TCP port.
link::ConnectionSettings ConnectionOfProfile(const app::TConnection& profile, bool dumpRead);

} // namespace vorbix::setup
