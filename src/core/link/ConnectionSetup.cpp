#include "core/link/ConnectionSetup.h"

#include "core/base/TextNumbers.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <set>

namespace vorbix::link {
namespace {

constexpr int kHighestPort = 32;

bool parseInt(std::string_view text, int& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

// The number of a port combo text: what follows "COM ", without the device that the list adds to
// a mapped port.
bool parsePortNumber(const std::string& text, int& number)
{
    if (text.size() < 5) {
        return false;
    }
    std::string_view rest = std::string_view(text).substr(4);
    const auto suffix = rest.find(" (");
    if (suffix != std::string_view::npos && rest.back() == ')') {
        rest = rest.substr(0, suffix);
    }
    return parseInt(rest, number);
}

// The device a path ends at after its links; the path itself when that cannot be found.
std::string deviceBehind(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::canonical(path, ec);
    return ec ? path : real.string();
}

std::vector<SerialPortEntry> listComPorts(const SerialPortMap& ports, const std::function<bool(int)>& available)
{
    std::vector<SerialPortEntry> list;
    for (int n = 1; n <= kHighestPort; ++n) {
        const bool present = available ? available(n) : TSerial::PortAvailable(n, ports);
        if (!present) {
            continue;
        }
        SerialPortEntry entry{n, SerialDevicePath(n, ports), "COM " + std::to_string(n)};
        if (ports.count(n) != 0) {
            entry.text += " (" + entry.device + ")";
        }
        list.push_back(std::move(entry));
    }
    return list;
}

} // namespace

std::vector<std::string> UsbSerialAdapters(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        names.push_back(it->path().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<SerialPortEntry> ListSerialPorts(const SerialPortMap& ports, const std::function<bool(int)>& available,
                                             const std::optional<std::vector<std::string>>& adapters)
{
    std::vector<SerialPortEntry> list = listComPorts(ports, available);
    std::set<int> taken;
    std::map<std::string, int> named; // device path, and the device behind it -> COM number
    for (const auto& [number, device] : ports) {
        taken.insert(number);
        named.emplace(device, number);
        named.emplace(deviceBehind(device), number);
    }
    for (const auto& entry : list) {
        taken.insert(entry.number);
    }
    int number = 1;
    for (const std::string& adapter : adapters ? *adapters : UsbSerialAdapters()) {
        auto mapped = named.find(adapter);
        if (mapped == named.end()) {
            mapped = named.find(deviceBehind(adapter));
        }
        if (mapped != named.end()) {
            // A mapped adapter that is plugged in stays in the list even when it cannot be opened
            // (no permission, in use), so the choice still shows.
            const int own = mapped->second;
            if (PortIndex(list, own) < 0) {
                list.push_back({own, SerialDevicePath(own, ports),
                                "COM " + std::to_string(own) + " (" + SerialDevicePath(own, ports) + ")"});
            }
            continue;
        }
        while (taken.count(number) != 0) {
            ++number;
        }
        taken.insert(number);
        list.push_back({number, adapter, "COM " + std::to_string(number) + " (" + adapter + ")", true});
    }
    return list;
}

void KeepPortChoice(const std::vector<SerialPortEntry>& list, int number, SerialPortMap& ports)
{
    const auto it = std::find_if(list.begin(), list.end(), [number](const auto& e) { return e.number == number; });
    if (it != list.end() && it->adapter) {
        ports[number] = it->device;
    }
}

int PortIndex(const std::vector<SerialPortEntry>& list, int number)
{
    const auto it = std::find_if(list.begin(), list.end(), [number](const auto& e) { return e.number == number; });
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

const std::vector<std::string>& SpeedList()
{
    static const std::vector<std::string> speeds = {"2400", "4800", "9600", "19200", "28800", "38400", "57600"};
    return speeds;
}

int SpeedIndex(int speed)
{
    const auto& speeds = SpeedList();
    const auto it = std::find(speeds.begin(), speeds.end(), std::to_string(speed));
    return it == speeds.end() ? -1 : static_cast<int>(it - speeds.begin());
}

SetupForm FormFromSettings(const ConnectionSettings& settings)
{
    SetupForm form;
    form.ConnectionType = settings.ConnectionType;
    form.PortText = "COM " + std::to_string(settings.ComNumber);
    form.SpeedText = std::to_string(settings.ComSpeed);
    form.AddressText = settings.IPAddress;
    form.IPPortText = settings.IPPort;
    form.DumpReadBox = false;
    return form;
}

SetupCheck CheckSetup(const SetupForm& form, ConnectionSettings& settings)
{
    int port = settings.ComNumber;
    int speed = settings.ComSpeed;
    if (form.ConnectionType == ConnectionKind::ComPort) {
        if (!parsePortNumber(form.PortText, port)) {
            return {false, lang::kBadPortNumber, SetupField::Port};
        }
        if (!parseInt(form.SpeedText, speed)) {
            return {false, lang::kBadSpeed, SetupField::Speed};
        }
    } else {
        if (std::count(form.AddressText.begin(), form.AddressText.end(), '.') != 3) {
            return {false, lang::kBadIPAddress, SetupField::Address};
        }
        if (form.IPPortText.size() < 2) {
            return {false, lang::kBadTcpPort, SetupField::IPPort};
        }
    }
    // The dialog copies all six values back, whichever kind of connection was chosen.
    if (form.ConnectionType == ConnectionKind::ComPort) {
        settings.ComNumber = port;
        settings.ComSpeed = speed;
    }
    settings.IPAddress = form.AddressText;
    settings.IPPort = form.IPPortText;
    settings.DumpRead = form.DumpReadBox;
    settings.ConnectionType = form.ConnectionType;
    return {true, 0, SetupField::None};
}

} // namespace vorbix::link
