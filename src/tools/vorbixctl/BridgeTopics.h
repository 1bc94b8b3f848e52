#pragma once

#include "core/online/RelayCommand.h"

#include <cstddef>
#include <deque>
#include <string>

namespace vorbix::ctl {

// One message for the broker.
struct BridgeMessage
{
    std::string topic;
    std::string payload;
    bool retain = false;
};

// The topics of a bridge under its prefix.
struct BridgeTopics
{
    std::string prefix;

    std::string event() const { return prefix + "/event"; }
    std::string status() const { return prefix + "/status"; }
    std::string battery(const std::string& tx) const { return prefix + "/battery/" + tx; }
    std::string button(const std::string& tx) const { return prefix + "/button/" + tx; }
    std::string relayState(int relay) const { return prefix + "/relay/" + std::to_string(relay) + "/state"; }
    std::string relaySet(int relay) const { return prefix + "/relay/" + std::to_string(relay) + "/set"; }
    std::string relaySetFilter() const { return prefix + "/relay/+/set"; }
    std::string alarm(int message) const { return prefix + "/alarm/" + std::to_string(message); }
    // The relay of a "PREFIX/relay/<n>/set" topic, 0 for any other topic.
    int relayOfSetTopic(const std::string& topic) const;
};

// A topic level made of a name: characters MQTT reserves ('/', '+', '#'), spaces and control
// characters become '_', so that a receiver's name cannot open or widen a topic.
std::string topicLevel(const std::string& name);

// A relay command from the broker: "ON", "OFF" or "PULSE <seconds>" (at most three decimals), for
// relay `relay` of a receiver with `present` relays. False with the reason for anything else; the
// selection is then empty.
[[nodiscard]] bool parseRelayCommand(const std::string& payload, int relay, int present,
                                     online::RelaySelection& selection, std::string& reason);

// Home-automation discovery: retained config messages under `discoveryPrefix` for the device
// `node` (a topic level) shown as `name`.
struct Discovery
{
    std::string discoveryPrefix;
    std::string node;
    std::string name;
    BridgeTopics topics;

    BridgeMessage relaySwitch(int relay) const;
    BridgeMessage lowBattery(const std::string& tx) const;
    BridgeMessage buttonTrigger(const std::string& tx, const std::string& button) const;
    BridgeMessage connectivity() const;
};

// The messages waiting for the broker: at most `capacity`; when full the oldest is dropped and
// counted, so that a long absence of the broker keeps the newest events.
class BridgeQueue
{
public:
    explicit BridgeQueue(std::size_t capacity) : m_capacity(capacity) {}

    void push(BridgeMessage message);
    bool empty() const { return m_messages.empty(); }
    std::size_t size() const { return m_messages.size(); }
    const BridgeMessage& front() const { return m_messages.front(); }
    void pop() { m_messages.pop_front(); }
    // The messages dropped since the last call.
    std::size_t takeDropped();

private:
    std::size_t m_capacity;
    std::deque<BridgeMessage> m_messages;
    std::size_t m_dropped = 0;
};

} // namespace vorbix::ctl
