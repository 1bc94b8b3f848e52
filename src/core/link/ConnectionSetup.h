#pragma once

#include "core/link/ConnectionSettings.h"
#include "core/link/Serial.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The rules of the connection setup dialog, without the dialog: its lists, what it shows for a
// set of settings, and what confirming it accepts.
namespace vorbix::link {

struct SerialPortEntry
{
    int number = 0;
    std::string device;   // the device COM `number` stands for
    std::string text;     // "COM 3", or "COM 3 (/dev/ttyUSB0)" when the port is mapped
    bool adapter = false; // a USB adapter given a free COM number for this list only
};

// The stable names of the USB serial adapters plugged in now: the entries of `folder`, sorted.
std::vector<std::string> UsbSerialAdapters(const std::string& folder = "/dev/serial/by-id");

// The port list: every COM 1..32 that `available` accepts (by default TSerial::PortAvailable),
// with mapped devices named after the number; then every USB adapter (by default those of
// UsbSerialAdapters()) that no mapping names yet, by its stable name, under the lowest COM number
// neither mapped nor listed. A plugged-in adapter is listed even when it cannot be opened (a mapped
// one under its own number), so that choosing it leads to the reason and the choice still shows.
std::vector<SerialPortEntry> ListSerialPorts(const SerialPortMap& ports, const std::function<bool(int)>& available = {},
                                             const std::optional<std::vector<std::string>>& adapters = {});

// After the dialog is confirmed with COM `number`: when that is a listed adapter, the mapping
// COM `number` -> its stable name is added to `ports`, so the choice follows the adapter to
// whichever /dev/ttyUSB it gets next time.
void KeepPortChoice(const std::vector<SerialPortEntry>& list, int number, SerialPortMap& ports);
// Index of COM `number` in the list; -1 when it is not there (the dialog then selects no port).
int PortIndex(const std::vector<SerialPortEntry>& list, int number);

// "2400" ... "57600", the speeds the dialog offers; SpeedIndex is -1 for any other speed.
const std::vector<std::string>& SpeedList();
int SpeedIndex(int speed);

// What the dialog's controls hold.
struct SetupForm
{
    ConnectionKind ConnectionType = ConnectionKind::ComPort; // the radio item
    std::string PortText;                                    // port combo, "COM " + number (typed text is accepted)
    std::string SpeedText;                                   // speed combo
    std::string AddressText;                                 // IP address edit
    std::string IPPortText;                                  // TCP port edit
    bool DumpReadBox = false;                                // hidden; cleared every time the dialog is shown
};

// The controls as the dialog shows them for `settings`: the dump-read box is always cleared, so
// confirming the dialog turns DumpRead off.
SetupForm FormFromSettings(const ConnectionSettings& settings);

enum class SetupField
{
    None,
    Port,
    Speed,
    Address,
    IPPort,
};

// The outcome of OK: accepted, or the language text to show and the control to focus.
struct SetupCheck
{
    bool accepted = false;
    int languageText = 0;
    SetupField field = SetupField::None;
};

// Checks the controls as OK does; when accepted, `settings` gets the six values. COM: the port
// number is the port text from its 5th character on (135 otherwise), the speed the speed text
// (136). TCP/IP: the address needs exactly three '.' (101), the port text at least 2 characters
// (102).
SetupCheck CheckSetup(const SetupForm& form, ConnectionSettings& settings);

} // namespace vorbix::link
