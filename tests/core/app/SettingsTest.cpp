#include "core/app/Settings.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::app;

namespace {

PopisType languageWithTitles()
{
    PopisType lang(310);
    lang[153] = "ID";
    lang[154] = "User 1";
    lang[155] = "User 2";
    lang[156] = "User 3";
    lang[157] = "User 4";
    return lang;
}

Settings loaded(const IniFile& ini)
{
    Settings s;
    LoadSettings(ini, s);
    return s;
}

} // namespace

TEST(SettingsTest, EmptyFileGivesDefaults)
{
    const Settings s = loaded(IniFile());
    EXPECT_EQ(s.connection.ConnectionType, link::ConnectionKind::ComPort);
    EXPECT_EQ(s.connection.ComNumber, 1);
    EXPECT_EQ(s.connection.ComSpeed, 9600);
    EXPECT_EQ(s.connection.IPAddress, "192.168.1.1");
    EXPECT_EQ(s.connection.IPPort, "10001");
    EXPECT_TRUE(s.Welcome);
    EXPECT_TRUE(s.SoundSpeaker);
    EXPECT_TRUE(s.Backup);
    EXPECT_FALSE(s.Login);
    EXPECT_EQ(s.MonitorFont, "Tahoma");
    EXPECT_EQ(s.HistoryLength, 100);
    EXPECT_EQ(s.HistoryMonitorLevel, 3);
    ASSERT_EQ(s.profiles.size(), 1u);
    EXPECT_EQ(s.profiles[0].Name, "Default");
    EXPECT_EQ(s.profiles[0].Title, "COM 1:9600");
    EXPECT_EQ(s.window.Width, 710);
    EXPECT_EQ(s.window.Height, 550);
    EXPECT_EQ(s.window.Top, 150);
    EXPECT_EQ(s.window.Left, 190);
    EXPECT_EQ(s.widthsOf("MessageGrid")->widths, (std::vector<int>{32, 64, 200, 100, 64, 64, 64, 64, 64}));
    EXPECT_EQ(s.widthsOf("BatteryGrid")->widths.size(), 8u);
    EXPECT_EQ(s.ActiveHeight, 125);

    Settings titles;
    LoadUserTitles(IniFile(), languageWithTitles(), titles);
    EXPECT_EQ(titles.userTitles[0], "ID");
    EXPECT_EQ(titles.userTitles[4], "User 4");
    EXPECT_EQ(ReadLanguageCode(IniFile()), "US");
}

TEST(SettingsTest, StoredPageOutsideTheRestorablePagesOpensPageZero)
{
    for (const auto& [stored, expected] :
         std::vector<std::pair<std::string, int>>{{"0", 0}, {"4", 4}, {"5", 0}, {"6", 0}, {"-1", 0}, {"x", 0}}) {
        EXPECT_EQ(loaded(IniFile("[Setup]\r\nPageControl=" + stored + "\r\n")).PageControl, expected) << stored;
    }
}

TEST(SettingsTest, ProfileListEndsAtFreeOrAGapAndStaleSectionsAreErased)
{
    const std::string withFree = "[Setup]\r\nConnectionType=1\r\nIPAddress=127.0.0.1\r\nIPPort=5000\r\n"
                                 "[Connection1]\r\nName=Office\r\nConnectionType=1\r\nIPAddress=127.0.0.3\r\n"
                                 "[Connection2]\r\nName=Free\r\n"
                                 "[Connection3]\r\nName=Hidden\r\n";
    const std::string withGap = "[Connection1]\r\nName=Office\r\n[Connection3]\r\nName=Hidden\r\n";
    for (const auto& content : {withFree, withGap}) {
        IniFile ini(content);
        Settings s = loaded(ini);
        ASSERT_EQ(s.profiles.size(), 2u);
        EXPECT_EQ(s.profiles[1].Name, "Office");

        SaveSettings(ini, s, {});
        // Only the sections right after the last profile go; Connection3 behind a gap is not reached.
        EXPECT_TRUE(ini.sectionExists("Connection1"));
        EXPECT_FALSE(ini.sectionExists("Connection2"));
        EXPECT_EQ(loaded(ini).profiles.size(), 2u);
    }

    IniFile ini(withFree);
    Settings s = loaded(ini);
    EXPECT_EQ(s.profiles[0].Title, "IP 127.0.0.1:5000");
    EXPECT_EQ(s.profiles[1].connection.IPAddress, "127.0.0.3");
    s.profiles.pop_back(); // the user deletes "Office"
    SaveSettings(ini, s, {});
    EXPECT_FALSE(ini.sectionExists("Connection1"));
    EXPECT_FALSE(ini.sectionExists("Connection2"));
}

TEST(SettingsTest, UserTitleEqualToItsLanguageDefaultLeavesNoKey)
{
    const PopisType lang = languageWithTitles();
    IniFile ini("[Setup]\r\nUser2=Old\r\n");
    Settings s = loaded(ini);
    LoadUserTitles(ini, lang, s);
    EXPECT_EQ(s.userTitles[2], "Old");
    s.userTitles[2] = "User 2";
    s.userTitles[3] = "Door";
    SaveSettings(ini, s, {"", &lang});
    EXPECT_FALSE(ini.valueExists("Setup", "User2"));
    EXPECT_FALSE(ini.valueExists("Setup", "UserID"));
    EXPECT_EQ(ini.readString("Setup", "User3", ""), "Door");

    PopisType czech = lang;
    czech[155] = "Uzivatel 2";
    Settings again = loaded(ini);
    LoadUserTitles(ini, czech, again);
    EXPECT_EQ(again.userTitles[2], "Uzivatel 2");
}

TEST(SettingsTest, MaximisedWindowKeepsTheSavedNormalGeometry)
{
    IniFile ini("[Window]\r\nWidth=800\r\nHeight=600\r\nTop=10\r\nLeft=20\r\nState=0\r\n");
    Settings s = loaded(ini);
    s.window = {1920, 1080, 0, 0, WindowState::Maximized};
    SaveSettings(ini, s, {});
    const Settings back = loaded(ini);
    EXPECT_EQ(back.window.Width, 800);
    EXPECT_EQ(back.window.Height, 600);
    EXPECT_EQ(back.window.Top, 10);
    EXPECT_EQ(back.window.Left, 20);
    EXPECT_EQ(back.window.State, WindowState::Maximized);
}

TEST(SettingsTest, SaveAndLoadRoundTripAndLastFileOnlyWhenNamed)
{
    test::TempFolder dir;
    const std::string path = dir.write("Vorbix.ini", "[Setup]\r\nLastFile=/data/old.rxd\r\n[Custom]\r\nKeep=1\r\n");
    Settings s = loaded(IniFile::load(path));
    s.connection.ConnectionType = link::ConnectionKind::TcpIp;
    s.connection.IPAddress = "127.0.0.1";
    s.connection.DumpRead = true;
    s.Welcome = false;
    s.HistoryLength = 5000;
    s.LastMonitorFile = "";
    s.gridWidths[1].widths[8] = 99;
    TConnection p;
    p.Name = "Lab";
    p.Title = "IP 127.0.0.2:5000";
    p.GoOnline = true;
    p.Data = "/data/lab.rxd";
    s.profiles.push_back(p);

    std::string error;
    ASSERT_TRUE(SaveSettingsFile(path, s, {}, error)) << error;
    const IniFile ini = IniFile::load(path);
    EXPECT_EQ(ini.readString("Setup", "LastFile", ""), "/data/old.rxd");
    EXPECT_TRUE(ini.valueExists("Setup", "LastMonitorFile"));
    EXPECT_EQ(ini.readInteger("Custom", "Keep", 0), 1);

    const Settings back = loaded(ini);
    EXPECT_EQ(back.connection.ConnectionType, link::ConnectionKind::TcpIp);
    EXPECT_TRUE(back.connection.DumpRead);
    EXPECT_FALSE(back.Welcome);
    EXPECT_EQ(back.HistoryLength, 5000);
    EXPECT_EQ(back.widthsOf("HistoryGrid")->widths[8], 99);
    ASSERT_EQ(back.profiles.size(), 2u);
    EXPECT_EQ(back.profiles[1].Data, "/data/lab.rxd");
    EXPECT_TRUE(back.profiles[1].GoOnline);
    EXPECT_EQ(FindProfileByTitle(back.profiles, "IP 127.0.0.1:10001"), 0);
    EXPECT_EQ(FindProfileByTitle(back.profiles, "IP 127.0.0.2:5000"), 1);

    ASSERT_TRUE(SaveSettingsFile(path, s, {"/data/new.rxd", nullptr}, error));
    EXPECT_EQ(IniFile::load(path).readString("Setup", "LastFile", ""), "/data/new.rxd");

    EXPECT_FALSE(SaveSettingsFile(dir.file("gone/Vorbix.ini"), s, {}, error));
    EXPECT_EQ(error, "Unable to write to " + dir.file("gone/Vorbix.ini") + ": No such file or directory");
}

TEST(SettingsTest, SerialPortsMapComNumbersToDevices)
{
    const IniFile ini("[SerialPorts]\r\nCOM3=/dev/ttyUSB0\r\ncom12 = /dev/serial/by-id/usb-x\r\nCOMx=/dev/a\r\n"
                      "COM0=/dev/b\r\nCOM4=\r\nOther=/dev/c\r\n");
    const Settings s = loaded(ini);
    EXPECT_EQ(s.serialPorts, (link::SerialPortMap{{3, "/dev/ttyUSB0"}, {12, "/dev/serial/by-id/usb-x"}}));

    // A port chosen in the connection setup is written back beside the hand-made entries.
    Settings chosen = s;
    chosen.serialPorts[2] = "/dev/serial/by-id/usb-y";
    IniFile saved(ini.text());
    SaveSettings(saved, chosen, {});
    EXPECT_EQ(loaded(saved).serialPorts, chosen.serialPorts);
    EXPECT_EQ(saved.readString("SerialPorts", "Other", ""), "/dev/c");
}

namespace vorbix::app {
namespace {

TEST(SettingsWidthsTest, ShownWidthsLieOverTheStoredOnes)
{
    Settings s;
    s.setWidths("MessageGrid", {40, 90});
    EXPECT_EQ(s.widthsOf("MessageGrid")->widths, (std::vector<int>{40, 90, 200, 100, 64, 64, 64, 64, 64}));
    s.setWidths("MonitorGrid", std::vector<int>(11, 30)); // more columns than stored: the rest at 64 first
    EXPECT_EQ(s.widthsOf("MonitorGrid")->widths, std::vector<int>(11, 30));
    const std::vector<GridWidths> before = s.gridWidths;
    s.setWidths("NoSuchGrid", {1, 2});
    EXPECT_EQ(s.widthsOf("NoSuchGrid"), nullptr);
    EXPECT_EQ(s.gridWidths.size(), before.size());
}

} // namespace
} // namespace vorbix::app
