#include "core/setup/ProfileEditor.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::setup;
using link::ConnectionKind;

namespace {

ProfileForm serial(const std::string& name, const std::string& port, const std::string& speed)
{
    ProfileForm f;
    f.Name = name;
    f.kind = ConnectionKind::ComPort;
    f.PortText = port;
    f.SpeedText = speed;
    return f;
}

ProfileForm tcp(const std::string& name, const std::string& address, const std::string& port)
{
    ProfileForm f;
    f.Name = name;
    f.kind = ConnectionKind::TcpIp;
    f.AddressText = address;
    f.IPPortText = port;
    return f;
}

app::ConnectionList defaultOnly()
{
    app::ConnectionList list(1);
    list[0].Name = "Default";
    list[0].Title = "COM 1:9600";
    return list;
}

} // namespace

TEST(ProfileEditorTest, Validation)
{
    struct Case
    {
        ProfileForm form;
        int text; // 0: accepted
        ProfileField field;
    };
    const Case cases[] = {
        {serial("", "COM 1", "9600"), 128, ProfileField::Name},
        {serial("a", "COM 12", "9600"), 0, ProfileField::None},
        {serial("a", "COM", "9600"), 135, ProfileField::Port},
        {serial("a", "COM x", "9600"), 135, ProfileField::Port},
        {serial("a", "COM 3", "fast"), 136, ProfileField::Speed},
        {serial("a", "COM 3", ""), 136, ProfileField::Speed},
        {tcp("a", "10.0.0.1", "10001"), 0, ProfileField::None},
        {tcp("a", "10.0.1", "10001"), 101, ProfileField::Address},
        {tcp("a", "1.2.3.4.5", "10001"), 101, ProfileField::Address},
        {tcp("a", "10.0.0.1", "7"), 102, ProfileField::IPPort},
        {tcp("a", "10.0.0.1", "70000"), 0, ProfileField::None}, // not examined further
        {tcp("a", "x.y.z.w", "ab"), 0, ProfileField::None},
    };
    for (const Case& c : cases) {
        const ProfileCheck check = CheckProfile(c.form);
        EXPECT_EQ(check.accepted, c.text == 0) << c.form.Name << c.form.PortText << c.form.AddressText;
        EXPECT_EQ(check.languageText, c.text) << c.form.PortText << c.form.AddressText;
        EXPECT_EQ(check.field, c.field) << c.form.PortText << c.form.AddressText;
    }
}

TEST(ProfileEditorTest, StoreKeepsTheOtherKindsFields)
{
    app::ConnectionList list = defaultOnly();
    ProfileForm form = serial("Plant", "COM 12", "19200");
    form.AddressText = "10.1.1.1"; // shown but not stored for a serial profile
    form.GoOnline = true;
    form.GoMonitor = true;
    form.DataText = "/d/plant.rxd"; // box not set: not stored
    form.OpenMonitor = true;
    form.MonitorText = "/d/plant.mon";
    ASSERT_TRUE(AddProfile(list, 1, form).check.accepted);
    ASSERT_EQ(list.size(), 2U);
    const app::TConnection& p = list[1];
    EXPECT_EQ(p.connection.ComNumber, 12);
    EXPECT_EQ(p.connection.ComSpeed, 19200);
    EXPECT_EQ(p.connection.IPAddress, "192.168.1.1");
    EXPECT_EQ(p.Title, "COM 12:19200");
    EXPECT_EQ(p.Data, "");
    EXPECT_EQ(p.Monitor, "/d/plant.mon");
    EXPECT_EQ(ProfileActionsText(p), "Online, Monitor");

    // Selecting the profile again shows the port item "COM 12".
    const ProfileForm shown = FormForRow(list, 1);
    EXPECT_EQ(shown.PortText, "COM 12");
    EXPECT_EQ(shown.SpeedText, "19200");
    EXPECT_TRUE(shown.OpenMonitor);
    EXPECT_FALSE(shown.OpenData);

    // A TCP/IP save keeps the port and speed; DumpRead is always switched off.
    list[1].connection.DumpRead = true;
    ASSERT_TRUE(SaveProfile(list, 1, tcp("Plant", "10.0.0.7", "5000")).check.accepted);
    EXPECT_EQ(list[1].connection.ConnectionType, ConnectionKind::TcpIp);
    EXPECT_EQ(list[1].connection.ComNumber, 12);
    EXPECT_FALSE(list[1].connection.DumpRead);
    EXPECT_EQ(list[1].Title, "IP 10.0.0.7:5000");

    // No kind chosen: neither group nor the title changes.
    ProfileForm noKind = tcp("Plant", "1.1.1.1", "99");
    noKind.kind.reset();
    ASSERT_TRUE(SaveProfile(list, 1, noKind).check.accepted);
    EXPECT_EQ(list[1].Title, "IP 10.0.0.7:5000");
    EXPECT_EQ(list[1].connection.IPAddress, "10.0.0.7");

    // An empty row shows the default connection and nothing else.
    list[0].connection.ComNumber = 4;
    const ProfileForm empty = FormForRow(list, 2);
    EXPECT_EQ(empty.Name, "Default");
    EXPECT_EQ(empty.PortText, "COM 4");
    EXPECT_FALSE(empty.GoOnline);
}

TEST(ProfileEditorTest, AddWithAnExistingNameOverwritesTheSelectedRow)
{
    app::ConnectionList list = defaultOnly();
    ASSERT_TRUE(AddProfile(list, 1, serial("One", "COM 1", "9600")).check.accepted);
    ASSERT_TRUE(AddProfile(list, 1, serial("Two", "COM 2", "9600")).check.accepted);
    const ProfileEdit edit = AddProfile(list, 2, serial("One", "COM 5", "4800"));
    EXPECT_TRUE(edit.check.accepted);
    EXPECT_EQ(edit.row, 2);
    ASSERT_EQ(list.size(), 3U);
    EXPECT_EQ(list[1].Title, "COM 1:9600");
    EXPECT_EQ(list[2].Name, "One");
    EXPECT_EQ(list[2].Title, "COM 5:4800");

    // "Default" is not a saved profile's name: Add appends.
    EXPECT_EQ(AddProfile(list, 1, serial("Default", "COM 1", "9600")).row, 3);
    EXPECT_EQ(list.size(), 4U);
}

TEST(ProfileEditorTest, FailedChecksLeaveTheListAsItWas)
{
    app::ConnectionList list = defaultOnly();
    ASSERT_TRUE(AddProfile(list, 1, serial("One", "COM 1", "9600")).check.accepted);
    const app::ConnectionList before = list;
    EXPECT_EQ(AddProfile(list, 1, tcp("New", "1.2.3", "10001")).check.languageText, 101);
    EXPECT_EQ(SaveProfile(list, 1, tcp("One", "1.2.3.4", "1")).check.languageText, 102);
    EXPECT_EQ(SaveProfile(list, 2, serial("", "COM 1", "9600")).check.languageText, 128);
    ASSERT_EQ(list.size(), before.size());
    EXPECT_EQ(list[1].Title, before[1].Title);

    // Save on the row after the last profile appends one.
    EXPECT_EQ(SaveProfile(list, 2, serial("Two", "COM 2", "2400")).row, 2);
    EXPECT_EQ(list.size(), 3U);
}

TEST(ProfileEditorTest, DeletingProfileTwoOfThreeMovesTheThirdUpWhole)
{
    app::ConnectionList list = defaultOnly();
    ProfileForm third = tcp("Three", "10.0.0.3", "10003");
    third.GoDownload = true;
    third.OpenData = true;
    third.DataText = "/x/three.rxd";
    third.OpenMonitor = true;
    third.MonitorText = "/x/three.mon";
    for (const ProfileForm& f : {serial("One", "COM 1", "9600"), serial("Two", "COM 2", "4800"), third}) {
        ASSERT_TRUE(AddProfile(list, 1, f).check.accepted);
    }
    const app::TConnection expected = list[3];
    DeleteProfile(list, 2);
    ASSERT_EQ(list.size(), 3U);
    const app::TConnection& moved = list[2];
    EXPECT_EQ(moved.Name, "Three");
    EXPECT_EQ(moved.Title, expected.Title);
    EXPECT_EQ(moved.connection.IPAddress, "10.0.0.3");
    EXPECT_EQ(moved.connection.ConnectionType, ConnectionKind::TcpIp);
    EXPECT_TRUE(moved.GoDownload);
    EXPECT_EQ(moved.Data, "/x/three.rxd");
    EXPECT_EQ(moved.Monitor, "/x/three.mon");
    EXPECT_EQ(list[1].Name, "One");

    DeleteProfile(list, 7); // no profile in that row
    EXPECT_EQ(list.size(), 3U);
    EXPECT_EQ(ProfileGridRows(list), 2);
    EXPECT_EQ(ProfileGridRows(defaultOnly()), 1);
}
