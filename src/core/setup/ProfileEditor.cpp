#include "core/setup/ProfileEditor.h"

#include "core/base/TextNumbers.h"
#include "core/link/ConnectionSetup.h"

#include <algorithm>

namespace vorbix::setup {
namespace {

ProfileField fieldOf(link::SetupField field)
{
    switch (field) {
    case link::SetupField::Port:
        return ProfileField::Port;
    case link::SetupField::Speed:
        return ProfileField::Speed;
    case link::SetupField::Address:
        return ProfileField::Address;
    case link::SetupField::IPPort:
        return ProfileField::IPPort;
    case link::SetupField::None:
        break;
    }
    return ProfileField::None;
}

link::SetupForm setupFormOf(const ProfileForm& form)
{
    link::SetupForm setup;
    setup.ConnectionType = form.kind.value_or(link::ConnectionKind::ComPort);
    setup.PortText = form.PortText;
    setup.SpeedText = form.SpeedText;
    setup.AddressText = form.AddressText;
    setup.IPPortText = form.IPPortText;
    return setup;
}

bool hasProfile(const app::ConnectionList& profiles, int row)
{
    return row >= 1 && static_cast<std::size_t>(row) < profiles.size();
}

bool nameIsSaved(const app::ConnectionList& profiles, const std::string& name)
{
    for (std::size_t i = 1; i < profiles.size(); ++i) {
        if (profiles[i].Name == name) {
            return true;
        }
    }
    return false;
}

} // namespace

ProfileCheck CheckProfile(const ProfileForm& form)
{
    if (form.Name.empty()) {
        return {false, lang::kEnterName, ProfileField::Name};
    }
    if (!form.kind) {
        return {};
    }
    link::ConnectionSettings scratch;
    const link::SetupCheck check = link::CheckSetup(setupFormOf(form), scratch);
    if (!check.accepted) {
        return {false, check.languageText, fieldOf(check.field)};
    }
    return {};
}

void StoreProfile(const ProfileForm& form, app::TConnection& profile)
{
    profile.Name = form.Name;
    link::ConnectionSettings& c = profile.connection;
    c.DumpRead = false;
    if (form.kind) {
        link::ConnectionSettings checked = c;
        (void)link::CheckSetup(setupFormOf(form), checked);
        c.ConnectionType = *form.kind;
        if (*form.kind == link::ConnectionKind::ComPort) {
            c.ComNumber = checked.ComNumber;
            c.ComSpeed = checked.ComSpeed;
        } else {
            c.IPAddress = form.AddressText;
            c.IPPort = form.IPPortText;
        }
        profile.Title = link::ConnectionText(c);
    }
    profile.GoDownload = form.GoDownload;
    profile.GoOnline = form.GoOnline;
    profile.GoMonitor = form.GoMonitor;
    profile.Data = form.OpenData ? form.DataText : std::string();
    profile.Monitor = form.OpenMonitor ? form.MonitorText : std::string();
}

ProfileForm FormForRow(const app::ConnectionList& profiles, int row)
{
    ProfileForm form;
    const bool own = hasProfile(profiles, row);
    if (!own && profiles.empty()) {
        return form;
    }
    const app::TConnection& p = profiles[own ? static_cast<std::size_t>(row) : 0];
    const link::ConnectionSettings& c = p.connection;
    form.Name = p.Name;
    form.kind = c.ConnectionType;
    form.PortText = "COM " + std::to_string(c.ComNumber);
    form.SpeedText = std::to_string(c.ComSpeed);
    form.AddressText = c.IPAddress;
    form.IPPortText = c.IPPort;
    if (own) {
        form.GoDownload = p.GoDownload;
        form.GoOnline = p.GoOnline;
        form.GoMonitor = p.GoMonitor;
        form.OpenData = !p.Data.empty();
        form.DataText = p.Data;
        form.OpenMonitor = !p.Monitor.empty();
        form.MonitorText = p.Monitor;
    }
    return form;
}

ProfileEdit AddProfile(app::ConnectionList& profiles, int selectedRow, const ProfileForm& form)
{
    if (nameIsSaved(profiles, form.Name)) {
        return SaveProfile(profiles, selectedRow, form);
    }
    const ProfileCheck check = CheckProfile(form);
    if (!check.accepted) {
        return {check, selectedRow};
    }
    if (profiles.empty()) {
        profiles.emplace_back(); // profile 0 always exists before the saved ones
    }
    app::TConnection added;
    StoreProfile(form, added);
    profiles.push_back(std::move(added));
    return {check, static_cast<int>(profiles.size()) - 1};
}

ProfileEdit SaveProfile(app::ConnectionList& profiles, int selectedRow, const ProfileForm& form)
{
    const ProfileCheck check = CheckProfile(form);
    if (!check.accepted || selectedRow < 1) {
        return {check, selectedRow};
    }
    if (profiles.empty()) {
        profiles.emplace_back();
    }
    if (!hasProfile(profiles, selectedRow)) {
        profiles.emplace_back();
        selectedRow = static_cast<int>(profiles.size()) - 1;
    }
    StoreProfile(form, profiles[static_cast<std::size_t>(selectedRow)]);
    return {check, selectedRow};
}

ProfileEdit DeleteProfile(app::ConnectionList& profiles, int selectedRow)
{
    if (hasProfile(profiles, selectedRow)) {
        profiles.erase(profiles.begin() + selectedRow);
    }
    return {{}, std::max(1, std::min(selectedRow, ProfileGridRows(profiles)))};
}

int ProfileGridRows(const app::ConnectionList& profiles)
{
    return std::max(1, static_cast<int>(profiles.size()) - 1);
}

std::string ProfileActionsText(const app::TConnection& profile)
{
    std::string text;
    const std::pair<bool, const char*> actions[] = {
        {profile.GoDownload, "Download"}, {profile.GoOnline, "Online"}, {profile.GoMonitor, "Monitor"}};
    for (const auto& [set, word] : actions) {
        if (set) {
            text += (text.empty() ? "" : ", ") + std::string(word);
        }
    }
    return text;
}

link::ConnectionSettings ConnectionOfProfile(const app::TConnection& profile, bool dumpRead)
{
    link::ConnectionSettings c = profile.connection;
    c.DumpRead = dumpRead;
    return c;
}

} // namespace vorbix::setup
