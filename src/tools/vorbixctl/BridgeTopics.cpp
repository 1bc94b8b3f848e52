#include "tools/vorbixctl/BridgeTopics.h"

#include "core/online/PulseTime.h"
#include "core/online/RelayDisplay.h"
#include "tools/vorbixctl/ListOutput.h"

#include <charconv>

namespace vorbix::ctl {
namespace {

bool digits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// "12", "0.5", "1.250": seconds with at most three decimals, as milliseconds.
bool parseSeconds(const std::string& text, long long& milliseconds)
{
    const std::size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
    if (!digits(whole) || whole.size() > 5 ||
        (dot != std::string::npos && (!digits(fraction) || fraction.size() > 3))) {
        return false;
    }
    milliseconds = std::stoll(whole) * 1000 +
                   (fraction.empty() ? 0 : std::stoll(fraction + std::string(3 - fraction.size(), '0')));
    return true;
}

std::string device(const Discovery& d)
{
    return "\"device\":{\"identifiers\":[" + tools::jsonString(d.node) + "],\"name\":" + tools::jsonString(d.name) +
           "},\"availability_topic\":" + tools::jsonString(d.topics.status()) +
           ",\"payload_available\":\"online\",\"payload_not_available\":\"offline\"";
}

} // namespace

int BridgeTopics::relayOfSetTopic(const std::string& topic) const
{
    const std::string head = prefix + "/relay/";
    const std::string tail = "/set";
    if (topic.size() <= head.size() + tail.size() || !topic.starts_with(head) || !topic.ends_with(tail)) {
        return 0;
    }
    const std::string number = topic.substr(head.size(), topic.size() - head.size() - tail.size());
    int relay = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), relay);
    return digits(number) && number.size() <= 2 && result.ec == std::errc() ? relay : 0;
}

std::string topicLevel(const std::string& name)
{
    std::string level;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        level += c == '/' || c == '+' || c == '#' || byte <= 0x20 || byte == 0x7F ? '_' : c;
    }
    return level.empty() ? "_" : level;
}

bool parseRelayCommand(const std::string& payload, int relay, int present, online::RelaySelection& selection,
                       std::string& reason)
{
    selection = {};
    if (relay < 1 || relay > present || relay > online::kMaxRelays) {
        reason = "relay " + std::to_string(relay) + " is unknown: the receiver has " +
                 (present > 0 ? "relays 1 to " + std::to_string(present) : "no relays");
        return false;
    }
    const auto mask = static_cast<std::uint8_t>(1u << (relay - 1));
    if (payload == "ON") {
        selection.on = mask;
        return true;
    }
    if (payload == "OFF") {
        selection.off = mask;
        return true;
    }
    long long ms = 0;
    if (payload.starts_with("PULSE ") && parseSeconds(payload.substr(6), ms) && ms > 0) {
        selection.pulse = mask;
        // The time goes through the rounding and limits of the direct control page.
        selection.pulseUnits = online::TimeEditExit({static_cast<int>(ms / 60000), static_cast<int>(ms / 1000 % 60),
                                                     static_cast<int>(ms % 1000)})
                                   .units;
        return true;
    }
    reason = "malformed relay command (expected ON, OFF or PULSE <seconds>)";
    return false;
}

BridgeMessage Discovery::relaySwitch(int relay) const
{
    const std::string id = node + "_relay" + std::to_string(relay);
    return {discoveryPrefix + "/switch/" + node + "/relay" + std::to_string(relay) + "/config",
            "{\"name\":\"Relay " + std::to_string(relay) + "\",\"unique_id\":" + tools::jsonString(id) +
                ",\"command_topic\":" + tools::jsonString(topics.relaySet(relay)) +
                ",\"state_topic\":" + tools::jsonString(topics.relayState(relay)) +
                ",\"payload_on\":\"ON\",\"payload_off\":\"OFF\",\"state_on\":\"ON\",\"state_off\":\"OFF\"," +
                device(*this) + "}",
            true};
}

BridgeMessage Discovery::lowBattery(const std::string& tx) const
{
    const std::string id = node + "_battery_" + tx;
    return {discoveryPrefix + "/binary_sensor/" + node + "/battery_" + tx + "/config",
            "{\"name\":" + tools::jsonString("Battery " + tx) + ",\"unique_id\":" + tools::jsonString(id) +
                ",\"device_class\":\"battery\",\"state_topic\":" + tools::jsonString(topics.battery(tx)) +
                ",\"payload_on\":\"LOW\",\"payload_off\":\"OK\"," + device(*this) + "}",
            true};
}

BridgeMessage Discovery::buttonTrigger(const std::string& tx, const std::string& button) const
{
    return {discoveryPrefix + "/device_automation/" + node + "/" + tx + "_" + button + "/config",
            "{\"automation_type\":\"trigger\",\"topic\":" + tools::jsonString(topics.button(tx)) +
                ",\"payload\":" + tools::jsonString(button) + ",\"type\":\"button_short_press\",\"subtype\":" +
                tools::jsonString(tx + " button " + button) + ",\"device\":{\"identifiers\":[" +
                tools::jsonString(node) + "],\"name\":" + tools::jsonString(name) + "}}",
            true};
}

BridgeMessage Discovery::connectivity() const
{
    return {discoveryPrefix + "/binary_sensor/" + node + "/link/config",
            "{\"name\":\"Receiver link\",\"unique_id\":" + tools::jsonString(node + "_link") +
                ",\"device_class\":\"connectivity\",\"state_topic\":" + tools::jsonString(topics.status()) +
                ",\"payload_on\":\"online\",\"payload_off\":\"lost\",\"device\":{\"identifiers\":[" +
                tools::jsonString(node) + "],\"name\":" + tools::jsonString(name) + "}}",
            true};
}

void BridgeQueue::push(BridgeMessage message)
{
    if (m_capacity == 0) {
        ++m_dropped;
        return;
    }
    if (m_messages.size() >= m_capacity) {
        m_messages.pop_front();
        ++m_dropped;
    }
    m_messages.push_back(std::move(message));
}

std::size_t BridgeQueue::takeDropped()
{
    const std::size_t dropped = m_dropped;
    m_dropped = 0;
    return dropped;
}

} // namespace vorbix::ctl
