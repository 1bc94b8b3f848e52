#include "core/online/StatusBlock.h"

#include "core/link/Checksum.h"

namespace vorbix::online {
namespace {

constexpr std::size_t kBlockCharacters = 32;
constexpr int kRawZeroDegrees = 16000;
constexpr int kRawPerDegree = 235;
constexpr char kDegreeSign = '\xB0'; // code page 1250

} // namespace

bool DecodeStatusBlock(std::string_view text, StatusBlock& block)
{
    if (text.size() != kBlockCharacters) {
        return false;
    }
    unsigned raw = 0;
    unsigned battery = 0;
    unsigned slot = 0;
    unsigned relays = 0;
    if (!link::ParseHex(text.substr(12, 4), raw) || !link::ParseHex(text.substr(16, 2), battery) ||
        !link::ParseHex(text.substr(18, 4), slot) || !link::ParseHex(text.substr(22, 2), relays)) {
        return false;
    }
    StatusBlock decoded;
    decoded.text = std::string(text);
    decoded.code = text[0];
    decoded.txCode = std::string(text.substr(1, 7));
    decoded.kind = text[1] == 'A'   ? DeviceKind::InputDevice
                   : text[1] == 'B' ? DeviceKind::TemperatureSensor
                                    : DeviceKind::Transmitter;
    decoded.rawTemperature = raw;
    decoded.lowBattery = text.substr(16, 2) == "01";
    if (slot != 0xFFFF) {
        decoded.slot = slot;
    }
    decoded.relays = static_cast<std::uint8_t>(relays);
    block = std::move(decoded);
    return true;
}

std::string InputCodeText(char code)
{
    switch (code) {
    case '3':
        return "A=0,B=0";
    case '6':
        return "A=1,B=0";
    case '9':
        return "A=0,B=1";
    case 'C':
        return "A=1,B=1";
    case 'F':
        return "Ini";
    default:
        return std::string(1, code);
    }
}

std::string EventCodeText(std::string_view txCode, char code)
{
    return !txCode.empty() && txCode[0] == 'A' ? InputCodeText(code) : std::string(1, code);
}

int TemperatureTenths(unsigned raw)
{
    // Integer arithmetic rounds exactly; 235 is odd, so a tenth never falls on a half.
    const long long scaled = (static_cast<long long>(raw) - kRawZeroDegrees) * 10;
    const long long magnitude = ((scaled < 0 ? -scaled : scaled) * 2 + kRawPerDegree) / (2 * kRawPerDegree);
    return static_cast<int>(scaled < 0 ? -magnitude : magnitude);
}

std::string TemperatureNumber(unsigned raw)
{
    const int tenths = TemperatureTenths(raw);
    const int magnitude = tenths < 0 ? -tenths : tenths;
    // A value that rounds to zero is shown as 0.0, never as -0.0.
    return std::string(tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
}

std::string TemperatureText(unsigned raw, char decimalSeparator)
{
    std::string text = TemperatureNumber(raw);
    text[text.size() - 2] = decimalSeparator;
    return text + " " + kDegreeSign + "C";
}

PanelView PanelViewOf(const StatusBlock& block, char decimalSeparator)
{
    PanelView view;
    if (!block.hasEvent()) {
        view.lastTx = "-";
        view.lastButton = "-";
        return view;
    }
    view.eventShown = true;
    view.lastTx = block.txCode;
    view.lastButton = EventCodeText(block.txCode, block.code);
    if (block.kind == DeviceKind::TemperatureSensor) {
        view.temperature = TemperatureText(block.rawTemperature, decimalSeparator);
    }
    view.lowBatteryShown = block.lowBattery && block.kind == DeviceKind::Transmitter;
    view.lastMem = block.slot ? std::to_string(*block.slot + 1) : "-";
    return view;
}

} // namespace vorbix::online
