// bridge: on-line mode (and, with a monitor setup, monitor reception) connected to an MQTT broker.
// The receiver's events, relay states, low batteries, alarms and link state are published under a
// prefix; relay commands from the broker are obeyed only when allowed. The broker side runs on
// threads of its own and only ever queues, so a broker that is away never slows the receiver link.
#include "core/monitor/MonitorJournal.h"
#include "core/monitor/Reception.h"
#include "core/online/RelayDisplay.h"
#include "core/text/Cp1250.h"
#include "core/text/TextFile.h"
#include "tools/vorbixctl/BridgeTopics.h"
#include "tools/vorbixctl/Commands.h"
#include "tools/vorbixctl/CtlOnline.h"
#include "tools/vorbixctl/CtlSession.h"
#include "tools/vorbixctl/ListOutput.h"
#include "tools/vorbixctl/MqttLink.h"
#include "tools/vorbixctl/WatchLines.h"

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <unistd.h>

namespace vorbix::ctl {
namespace {

constexpr const char* kUsage =
    "vorbixctl: usage: bridge [--mqtt mqtt://HOST:PORT | mqtts://HOST:PORT] [--cafile FILE] [--username NAME]\n"
    "           [--password-file FILE] [--client-id ID] [--topic PREFIX] [--discovery PREFIX]\n"
    "           [--allow-relays] [--monitor FILE.mon] [--queue N]\n"
    "       the broker password comes from --password-file or the environment variable VORBIX_MQTT_PASSWORD\n";
constexpr const char* kPasswordVariable = "VORBIX_MQTT_PASSWORD";
constexpr const char* kLinkLostText = "The link to the receiver is lost; no alarm can arrive";
constexpr const char* kLinkRestoredText = "The link to the receiver is restored";

int usage(const std::string& reason = {})
{
    if (!reason.empty()) {
        std::cerr << "vorbixctl: " << reason << "\n";
    }
    std::cerr << kUsage;
    return kExitUsage;
}

struct BridgeArgs
{
    std::string url = "mqtt://127.0.0.1:1883";
    std::string caFile;
    std::string username;
    std::string passwordFile;
    std::string clientId;
    std::string prefix;
    std::string discovery;
    std::string monitorFile;
    bool allowRelays = false;
    std::size_t queue = 10000;
};

bool parseArgs(const std::vector<std::string>& args, BridgeArgs& out, std::string& error)
{
    const std::map<std::string, std::string*> values = {
        {"--mqtt", &out.url},
        {"--cafile", &out.caFile},
        {"--username", &out.username},
        {"--password-file", &out.passwordFile},
        {"--client-id", &out.clientId},
        {"--topic", &out.prefix},
        {"--discovery", &out.discovery},
        {"--monitor", &out.monitorFile},
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--allow-relays") {
            out.allowRelays = true;
        } else if (args[i] == "--queue" && i + 1 < args.size() && !args[i + 1].empty() && args[i + 1].size() <= 7 &&
                   args[i + 1].find_first_not_of("0123456789") == std::string::npos) {
            out.queue = std::stoul(args[++i]);
        } else if (const auto value = values.find(args[i]);
                   value != values.end() && i + 1 < args.size() && !args[i + 1].empty()) {
            *value->second = args[++i];
        } else {
            error = "bad argument '" + args[i] + "'";
            return false;
        }
    }
    if (!out.prefix.empty() && (out.prefix.find_first_of("+#") != std::string::npos || out.prefix.back() == '/')) {
        error = "the topic prefix must not hold + or # nor end in /";
        return false;
    }
    return true;
}

// The first line of the password file, or the environment's password.
bool readPassword(const BridgeArgs& args, std::string& password, std::string& error)
{
    if (!args.passwordFile.empty()) {
        std::vector<std::string> lines;
        if (!text::readLines(args.passwordFile, lines, error)) {
            return false;
        }
        password = lines.empty() ? "" : lines.front();
        while (!password.empty() && (password.back() == '\r' || password.back() == '\n')) {
            password.pop_back();
        }
        return true;
    }
    if (const char* value = std::getenv(kPasswordVariable)) {
        password = value;
    }
    return true;
}

// What the bridge has published, so that states go out when they change (and only then).
class BridgeState
{
public:
    BridgeState(MqttLink& mqtt, BridgeTopics topics, std::optional<Discovery> discovery, int relays)
        : m_mqtt(mqtt), m_topics(std::move(topics)), m_discovery(std::move(discovery)), m_relays(relays)
    {
    }

    void announce()
    {
        if (!m_discovery) {
            return;
        }
        m_mqtt.send(m_discovery->connectivity());
        for (int k = 1; k <= m_relays; ++k) {
            m_mqtt.send(m_discovery->relaySwitch(k));
        }
    }

    void relays(std::uint8_t relays)
    {
        for (int k = 1; k <= m_relays; ++k) {
            const bool on = online::RelayOn(relays, k);
            if (!m_relayKnown || online::RelayOn(m_relayByte, k) != on) {
                m_mqtt.send({m_topics.relayState(k), on ? "ON" : "OFF", true});
            }
        }
        m_relayKnown = true;
        m_relayByte = relays;
    }

    void event(const online::StatusBlock& block, const std::string& json)
    {
        m_mqtt.send({m_topics.event(), json, false});
        if (block.hasEvent() && block.kind == online::DeviceKind::Transmitter) {
            const online::PanelView view = online::PanelViewOf(block);
            const std::string tx = topicLevel(cp1250::toUtf8(block.txCode));
            const std::string button = topicLevel(cp1250::toUtf8(view.lastButton));
            if (m_discovery && m_buttons.insert(tx + "/" + button).second) {
                m_mqtt.send(m_discovery->buttonTrigger(tx, button));
            }
            m_mqtt.send({m_topics.button(tx), button, false});
            const auto known = m_battery.find(tx);
            if (known == m_battery.end() || known->second != view.lowBatteryShown) {
                if (m_discovery && known == m_battery.end()) {
                    m_mqtt.send(m_discovery->lowBattery(tx));
                }
                m_battery[tx] = view.lowBatteryShown;
                m_mqtt.send({m_topics.battery(tx), view.lowBatteryShown ? "LOW" : "OK", true});
            }
        }
        relays(block.relays);
    }

private:
    MqttLink& m_mqtt;
    BridgeTopics m_topics;
    std::optional<Discovery> m_discovery;
    int m_relays;
    bool m_relayKnown = false;
    std::uint8_t m_relayByte = 0;
    std::map<std::string, bool> m_battery;
    std::set<std::string> m_buttons;
};

} // namespace

int runBridge(CtlSession& session, const std::vector<std::string>& args)
{
    BridgeArgs bridge;
    std::string error;
    MqttOptions mqttOptions;
    if (!parseArgs(args, bridge, error) || !parseBrokerUrl(bridge.url, mqttOptions, error)) {
        return usage(error);
    }
    if (!bridge.caFile.empty() && !mqttOptions.tls) {
        return usage("--cafile needs an mqtts:// broker");
    }
    mqttOptions.caFile = bridge.caFile;
    mqttOptions.username = bridge.username;
    mqttOptions.clientId = bridge.clientId;
    mqttOptions.queueCapacity = bridge.queue;
    if (!readPassword(bridge, mqttOptions.password, error)) {
        session.report(error);
        return kExitFailure;
    }

    std::unique_ptr<monitor::TMonitor> setup;
    if (!bridge.monitorFile.empty()) {
        setup = std::make_unique<monitor::TMonitor>();
        setup->setMessages(&session.texts(), {});
        if (!setup->Nacti(bridge.monitorFile, error)) {
            session.report(error.empty() ? "cannot read " + bridge.monitorFile : error);
            return kExitFailure;
        }
    }
    if (!session.login()) {
        return kExitFailure;
    }
    const std::string name = cp1250::toUtf8(session.memory().Device.Model);
    const std::string node = "vorbix_" + topicLevel(name);
    const BridgeTopics topics{bridge.prefix.empty() ? "vorbix/" + topicLevel(name) : bridge.prefix};
    const int present = session.memory().Device.Relays;

    std::mutex logMutex;
    const auto log = [&logMutex](const std::string& line) {
        const std::lock_guard lock(logMutex);
        std::cerr << "vorbixctl: bridge: " << line << std::endl;
    };
    CtlOnline online(session);
    const auto onMessage = [&](const std::string& topic, const std::string& payload) {
        const int relay = topics.relayOfSetTopic(topic);
        // Shown in the log as a JSON string: the payload is anybody's.
        const std::string shown = tools::jsonString(payload.size() > 40 ? payload.substr(0, 40) + "..." : payload);
        if (!bridge.allowRelays) {
            log("refused " + shown + " on " + topic + ": relay commands need --allow-relays");
            return;
        }
        online::RelaySelection selection;
        std::string reason;
        if (!parseRelayCommand(payload, relay, present, selection, reason)) {
            log("refused " + shown + " on " + topic + ": " + reason);
            return;
        }
        log("relay " + std::to_string(relay) + ": " + shown + " sent to the receiver");
        online.session().requestSend(selection);
        online.session().requestRefresh();
    };
    mqttOptions.will = {topics.status(), "offline", true};
    mqttOptions.subscriptions = {topics.relaySetFilter()};
    MqttLink mqtt(mqttOptions, log, onMessage);

    std::optional<Discovery> discovery;
    if (!bridge.discovery.empty()) {
        discovery = Discovery{bridge.discovery, topicLevel(node), name, topics};
    }
    BridgeState state(mqtt, topics, discovery, present);
    state.announce();
    mqtt.send({topics.status(), "online", true});
    if (!mqtt.start(error)) {
        session.report(error);
        return kExitFailure;
    }

    std::optional<monitor::MonitorJournal> journal;
    std::optional<monitor::Reception> reception;
    if (setup) {
        journal.emplace(text::joinPath(session.programFolder(), monitor::MonitorJournal::kFileName),
                        [&session](const std::string& message) { session.report("warning: " + message); });
        monitor::ReceptionHooks hooks;
        // Runs on the session's thread. Each message's topic holds its latest switch.
        hooks.changed = [&](const monitor::Change& change) {
            journal->append(change, "");
            if (change.position >= 0) {
                mqtt.send({topics.alarm(change.number), monitor::changeKindName(change.kind), true});
            }
        };
        reception.emplace(*setup, std::move(hooks));
    }

    const WatchLines lines(true);
    online::OnlineCallbacks callbacks;
    callbacks.statusShown = [&](const online::StatusBlock& block) {
        state.event(block, lines.event(block, std::time(nullptr)));
        if (reception && block.hasEvent()) {
            reception->Prijem(block.txCode, block.code);
        }
    };
    callbacks.relaysShown = [&](online::RelaySource, std::uint8_t relays) { state.relays(relays); };
    callbacks.linkState = [&](online::LinkState linkState, int) {
        if (linkState == online::LinkState::Lost) {
            mqtt.send({topics.status(), "lost", true});
            if (reception) {
                reception->LinkLost(kLinkLostText);
            }
        } else if (linkState == online::LinkState::Restored) {
            mqtt.send({topics.status(), "online", true});
            if (reception) {
                reception->LinkRestored(kLinkRestoredText);
            }
        }
    };
    callbacks.relaysSent = [&](bool acknowledged) {
        if (!acknowledged) {
            log(online::kRelayCommandNotAcknowledged);
        }
    };
    if (!online.start(std::move(callbacks))) {
        return kExitFailure;
    }
    log("publishing under " + topics.prefix + (bridge.allowRelays ? ", relay commands allowed" : ""));
    const CtlOnline::Outcome outcome = online.waitUntil([] { return false; });
    online.stop();
    // A bridge that ends on purpose says so; the last will covers one that vanishes.
    mqtt.send({topics.status(), "offline", true});
    mqtt.stop(std::chrono::seconds(2));
    return outcome == CtlOnline::Outcome::Ended ? kExitFailure : kExitOk;
}

} // namespace vorbix::ctl
