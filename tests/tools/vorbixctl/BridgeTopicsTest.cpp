// The bridge's logic without a broker: topics, relay commands from the broker, discovery, queue.
#include "tools/vorbixctl/BridgeTopics.h"

#include <gtest/gtest.h>

namespace vorbix::ctl {
namespace {

TEST(BridgeTopicsTest, RelayCommandsAreTakenOnlyWhenWellFormedForAPresentRelay)
{
    struct Case
    {
        std::string payload;
        int relay;
        bool ok;
        online::RelaySelection expected;
    };
    const std::vector<Case> cases = {
        {"ON", 1, true, {0x01, 0, 0, 5}},
        {"OFF", 4, true, {0, 0x08, 0, 5}},
        {"PULSE 2.5", 2, true, {0, 0, 0x02, 25}},
        {"PULSE 0.1", 2, true, {0, 0, 0x02, 5}}, // held at the shortest pulse
        {"on", 1, false, {}},
        {"ON ", 1, false, {}},
        {"PULSE", 1, false, {}},
        {"PULSE -1", 1, false, {}},
        {"PULSE 1.2345", 1, false, {}},
        {"PULSE 0", 1, false, {}},
        {"", 1, false, {}},
        {"ON", 5, false, {}},
        {"ON", 0, false, {}},
    };
    for (const Case& c : cases) {
        online::RelaySelection selection;
        std::string reason;
        EXPECT_EQ(parseRelayCommand(c.payload, c.relay, 4, selection, reason), c.ok) << c.payload << " " << c.relay;
        if (c.ok) {
            EXPECT_EQ(selection.on, c.expected.on) << c.payload;
            EXPECT_EQ(selection.off, c.expected.off) << c.payload;
            EXPECT_EQ(selection.pulse, c.expected.pulse) << c.payload;
            EXPECT_EQ(selection.pulseUnits, c.expected.pulseUnits) << c.payload;
        } else {
            EXPECT_FALSE(reason.empty());
            EXPECT_EQ(selection.on | selection.off | selection.pulse, 0) << c.payload;
        }
    }
}

TEST(BridgeTopicsTest, TopicsStayUnderThePrefix)
{
    const BridgeTopics topics{"site/gate"};
    EXPECT_EQ(topics.relayOfSetTopic("site/gate/relay/3/set"), 3);
    for (const char* other : {"site/gate/relay//set", "site/gate/relay/x/set", "site/gate/relay/3/state",
                              "other/relay/3/set", "site/gate/relay/3/4/set", "site/gate/relay/-1/set"}) {
        EXPECT_EQ(topics.relayOfSetTopic(other), 0) << other;
    }
    EXPECT_EQ(topicLevel("KV4/MUL+#1 x"), "KV4_MUL__1_x");
    EXPECT_EQ(topicLevel(""), "_");
}

TEST(BridgeTopicsTest, DiscoveryDescribesSwitchesSensorsAndTriggers)
{
    const Discovery discovery{"homeassistant", "vorbix_KV4", "KV4", BridgeTopics{"vorbix/KV4"}};
    const BridgeMessage relay = discovery.relaySwitch(2);
    EXPECT_EQ(relay.topic, "homeassistant/switch/vorbix_KV4/relay2/config");
    EXPECT_TRUE(relay.retain);
    EXPECT_NE(relay.payload.find("\"command_topic\":\"vorbix/KV4/relay/2/set\""), std::string::npos);
    EXPECT_NE(relay.payload.find("\"state_topic\":\"vorbix/KV4/relay/2/state\""), std::string::npos);
    EXPECT_NE(discovery.lowBattery("0100001").payload.find("\"state_topic\":\"vorbix/KV4/battery/0100001\""),
              std::string::npos);
    const BridgeMessage trigger = discovery.buttonTrigger("0100001", "3");
    EXPECT_EQ(trigger.topic, "homeassistant/device_automation/vorbix_KV4/0100001_3/config");
    EXPECT_NE(trigger.payload.find("\"topic\":\"vorbix/KV4/button/0100001\",\"payload\":\"3\""), std::string::npos);
    EXPECT_NE(discovery.connectivity().payload.find("\"device_class\":\"connectivity\""), std::string::npos);
}

TEST(BridgeTopicsTest, AFullQueueDropsTheOldestAndCountsThem)
{
    BridgeQueue queue(2);
    for (const char* payload : {"1", "2", "3", "4"}) {
        queue.push({"t", payload, false});
    }
    EXPECT_EQ(queue.takeDropped(), 2u);
    EXPECT_EQ(queue.takeDropped(), 0u);
    ASSERT_EQ(queue.size(), 2u);
    EXPECT_EQ(queue.front().payload, "3");
    queue.pop();
    EXPECT_EQ(queue.front().payload, "4");
}

} // namespace
} // namespace vorbix::ctl
