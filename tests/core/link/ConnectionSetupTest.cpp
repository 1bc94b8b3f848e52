#include "core/link/ConnectionSetup.h"

#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vorbix::link;

TEST(ConnectionSetupTest, PortListHoldsAvailablePortsWithMappedDevices)
{
    const SerialPortMap ports{{3, "/dev/ttyUSB0"}, {40, "/dev/ttyUSB9"}};
    const auto list = ListSerialPorts(
        ports, [](int n) { return n == 1 || n == 3 || n == 32 || n == 40; }, std::vector<std::string>{});
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].text, "COM 1");
    EXPECT_EQ(list[0].device, "/dev/ttyS0");
    EXPECT_EQ(list[1].text, "COM 3 (/dev/ttyUSB0)");
    EXPECT_EQ(list[2].text, "COM 32");
    EXPECT_EQ(PortIndex(list, 3), 1);
    EXPECT_EQ(PortIndex(list, 2), -1);
}

// USB adapters appear by their stable names under the lowest free COM numbers; one a mapping
// already names (by that name or by the device it leads to) is not listed twice, and confirming
// an adapter's number keeps the mapping to its stable name.
TEST(ConnectionSetupTest, UsbAdaptersAreListedByStableNameAndTheChoiceIsKept)
{
    vorbix::test::TempFolder dev;
    dev.write("ttyUSB1", "");
    const std::string byId = dev.file("serial/by-id");
    std::filesystem::create_directories(byId);
    std::filesystem::create_symlink(dev.file("ttyUSB1"), byId + "/usb-Maker_Cable_B-if00-port0");
    std::filesystem::create_symlink(dev.file("ttyUSB1"), byId + "/usb-Maker_Cable_A-if00-port0");
    const std::vector<std::string> adapters = UsbSerialAdapters(byId);
    ASSERT_EQ(adapters, (std::vector<std::string>{byId + "/usb-Maker_Cable_A-if00-port0",
                                                  byId + "/usb-Maker_Cable_B-if00-port0"}));
    EXPECT_TRUE(UsbSerialAdapters(dev.file("none")).empty());

    SerialPortMap ports{{2, "/dev/ttyUSB0"}};
    const std::vector<std::string> plugged = {adapters[0], "/dev/serial/by-id/usb-Other-port0"};
    auto list = ListSerialPorts(
        ports, [](int n) { return n == 1; }, plugged);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].text, "COM 3 (" + adapters[0] + ")");
    EXPECT_TRUE(list[1].adapter);
    EXPECT_EQ(list[2].text, "COM 4 (/dev/serial/by-id/usb-Other-port0)");

    KeepPortChoice(list, 1, ports);
    KeepPortChoice(list, 3, ports);
    EXPECT_EQ(ports, (SerialPortMap{{2, "/dev/ttyUSB0"}, {3, adapters[0]}}));

    // Mapped, a plugged-in adapter stays listed under its number even when it cannot be opened;
    // the other name of the same adapter (mapped by the device it leads to) is not offered again.
    ports = {{5, dev.file("ttyUSB1")}};
    list = ListSerialPorts(
        ports, [](int) { return false; }, adapters);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].text, "COM 5 (" + dev.file("ttyUSB1") + ")");
    EXPECT_FALSE(list[0].adapter);
}

TEST(ConnectionSetupTest, SpeedList)
{
    EXPECT_EQ(SpeedList(), (std::vector<std::string>{"2400", "4800", "9600", "19200", "28800", "38400", "57600"}));
    EXPECT_EQ(SpeedIndex(19200), 3);
    EXPECT_EQ(SpeedIndex(115200), -1);
}

TEST(ConnectionSetupTest, ShowingTheDialogClearsDumpRead)
{
    ConnectionSettings settings;
    settings.DumpRead = true;
    settings.ComNumber = 4;
    SetupForm form = FormFromSettings(settings);
    EXPECT_EQ(form.PortText, "COM 4");
    EXPECT_EQ(form.SpeedText, "9600");
    EXPECT_FALSE(form.DumpReadBox);

    ASSERT_TRUE(CheckSetup(form, settings).accepted);
    EXPECT_FALSE(settings.DumpRead);
    EXPECT_EQ(settings.ComNumber, 4);
}

TEST(ConnectionSetupTest, ConfirmingChecksTheFieldsOfTheChosenConnection)
{
    struct Case
    {
        int type;
        const char* port;
        const char* speed;
        const char* address;
        const char* ipPort;
        int text; // 0 when accepted
        SetupField field;
    } cases[] = {
        {0, "COM 3", "19200", "", "", 0, SetupField::None},
        {0, "COM 3 (/dev/ttyUSB0)", "19200", "", "", 0, SetupField::None},
        {0, "COM 12", "115200", "", "", 0, SetupField::None},
        {0, "", "9600", "", "", 135, SetupField::Port}, // configured port not found: nothing selected
        {0, "COM ", "9600", "", "", 135, SetupField::Port},
        {0, "COM x", "9600", "", "", 135, SetupField::Port},
        {0, "3", "9600", "", "", 135, SetupField::Port},
        {0, "COM 3", "fast", "", "", 136, SetupField::Speed},
        {0, "COM 3", "", "", "", 136, SetupField::Speed},
        {1, "", "", "127.0.0.2", "5000", 0, SetupField::None},
        {1, "", "", "host.example", "5000", 101, SetupField::Address},
        {1, "", "", "1.2.3.4.5", "5000", 101, SetupField::Address},
        {1, "", "", "127.0.0.2", "5", 102, SetupField::IPPort},
        {1, "", "", "...", "xx", 0, SetupField::None}, // nothing else is checked
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.port) + "|" + c.speed + "|" + c.address + "|" + c.ipPort);
        ConnectionSettings settings;
        SetupForm form;
        form.ConnectionType = static_cast<ConnectionKind>(c.type);
        form.PortText = c.port;
        form.SpeedText = c.speed;
        form.AddressText = c.address;
        form.IPPortText = c.ipPort;
        const SetupCheck check = CheckSetup(form, settings);
        EXPECT_EQ(check.accepted, c.text == 0);
        EXPECT_EQ(check.languageText, c.text);
        EXPECT_EQ(check.field, c.field);
        if (check.accepted) {
            EXPECT_EQ(settings.ConnectionType, static_cast<ConnectionKind>(c.type));
        } else {
            EXPECT_EQ(settings.ConnectionType, ConnectionKind::ComPort);
            EXPECT_EQ(settings.IPAddress, "192.168.1.1") << "a refused dialog changes nothing";
        }
    }
}

TEST(ConnectionSetupTest, AcceptedValuesAreCopied)
{
    ConnectionSettings settings;
    SetupForm form;
    form.PortText = "COM 3 (/dev/ttyUSB0)";
    form.SpeedText = "57600";
    form.AddressText = "127.0.0.2";
    form.IPPortText = "5000";
    ASSERT_TRUE(CheckSetup(form, settings).accepted);
    EXPECT_EQ(settings.ComNumber, 3);
    EXPECT_EQ(settings.ComSpeed, 57600);
    EXPECT_EQ(settings.IPAddress, "127.0.0.2");
    EXPECT_EQ(settings.IPPort, "5000");
    EXPECT_EQ(ConnectionText(settings), "COM 3:57600");
}
