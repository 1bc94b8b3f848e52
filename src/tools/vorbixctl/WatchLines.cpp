#include "tools/vorbixctl/WatchLines.h"

#include "core/online/RelayDisplay.h"
#include "core/text/Cp1250.h"

#include <cstdio>
#include <ctime>

namespace vorbix::ctl {
namespace {

// "2026-12-10T08:15:30" with `separator` between date and time.
std::string localTime(std::time_t when, char separator)
{
    std::tm parts{};
    ::localtime_r(&when, &parts);
    char date[16];
    char time[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &parts);
    std::strftime(time, sizeof time, "%H:%M:%S", &parts);
    return std::string(date) + separator + time;
}

// A JSON string of code page 1250 text.
std::string jsonString(const std::string& cp1250Text)
{
    std::string out = "\"";
    for (char c : cp1250::toUtf8(cp1250Text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string relayList(std::uint8_t relays, const char* separator)
{
    std::string list;
    for (int k : online::RelaysOn(relays)) {
        list += (list.empty() ? "" : separator) + std::to_string(k);
    }
    return list;
}

std::string padded(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

const char* stateName(online::LinkState state)
{
    switch (state) {
    case online::LinkState::Lost:
        return "lost";
    case online::LinkState::Reconnecting:
        return "reconnecting";
    case online::LinkState::Restored:
        return "restored";
    }
    return "?";
}

} // namespace

std::string WatchLines::event(const online::StatusBlock& block, std::time_t when) const
{
    const online::PanelView view = online::PanelViewOf(block);
    const bool temperature = block.hasEvent() && block.kind == online::DeviceKind::TemperatureSensor;
    if (m_json) {
        return "{\"kind\":\"event\",\"time\":\"" + localTime(when, 'T') +
               "\",\"tx\":" + (block.hasEvent() ? jsonString(block.txCode) : "null") +
               ",\"button\":" + (block.hasEvent() ? jsonString(view.lastButton) : "null") +
               ",\"slot\":" + (block.slot ? std::to_string(*block.slot + 1) : "null") +
               ",\"lowbatt\":" + (view.lowBatteryShown ? "true" : "false") +
               ",\"temp\":" + (temperature ? online::TemperatureNumber(block.rawTemperature) : "null") +
               ",\"relays\":[" + relayList(block.relays, ",") + "]}";
    }
    std::string line = localTime(when, ' ') + "  event   tx " + padded(view.lastTx, 7) + "  button " +
                       padded(view.lastButton, 7) + "  slot " +
                       padded(block.slot ? std::to_string(*block.slot + 1) : "-", 5) + "  relays " +
                       padded(block.relays != 0 ? relayList(block.relays, ",") : "-", 15);
    if (temperature) {
        line += "  " + cp1250::toUtf8(online::TemperatureText(block.rawTemperature));
    }
    if (view.lowBatteryShown) {
        line += "  low battery";
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

std::string WatchLines::relays(std::uint8_t relays, std::time_t when) const
{
    if (m_json) {
        return "{\"kind\":\"relays\",\"time\":\"" + localTime(when, 'T') + "\",\"relays\":[" + relayList(relays, ",") +
               "]}";
    }
    return localTime(when, ' ') + "  relays  " + (relays != 0 ? relayList(relays, ",") : "-");
}

std::string WatchLines::link(online::LinkState state, int attempt, std::time_t when) const
{
    if (m_json) {
        return "{\"kind\":\"link\",\"time\":\"" + localTime(when, 'T') + "\",\"state\":\"" + stateName(state) + "\"}";
    }
    std::string line = localTime(when, ' ') + "  link    " + stateName(state);
    if (state == online::LinkState::Reconnecting) {
        line += ", attempt " + std::to_string(attempt);
    }
    return line;
}

} // namespace vorbix::ctl
