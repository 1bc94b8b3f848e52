#pragma once

#include "tools/vorbixctl/BridgeTopics.h"

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct mosquitto;
struct mosquitto_message;

namespace vorbix::ctl {

struct MqttOptions
{
    std::string host = "127.0.0.1";
    int port = 1883;
    bool tls = false;     // mqtts://
    std::string caFile;   // --cafile, for mqtts://
    std::string username; // empty: none
    std::string password; // from a file or the environment
    std::string clientId; // empty: the library makes one
    BridgeMessage will;   // published by the broker when the bridge vanishes
    int keepAliveSeconds = 30;
    std::size_t queueCapacity = 10000;
    std::vector<std::string> subscriptions;
};

// Parses "mqtt://HOST:PORT" or "mqtts://HOST:PORT" (the port defaults to 1883 and 8883). False
// with the reason otherwise.
[[nodiscard]] bool parseBrokerUrl(const std::string& url, MqttOptions& options, std::string& error);

// The bridge's connection to the MQTT broker. The network runs on the library's own thread and the
// sending on one more, so that nothing the broker does (or fails to do) delays the caller:
// send() only queues. Every message goes with QoS 1, in order, each after the broker acknowledged
// the one before; while the broker is away the library reconnects with back-off and the messages
// wait in a bounded queue. On each connect the latest retained message of every topic is sent
// again first, as a restarted broker may have forgotten them.
class MqttLink
{
public:
    using Log = std::function<void(const std::string&)>;
    using MessageHandler = std::function<void(const std::string& topic, const std::string& payload)>;

    MqttLink(MqttOptions options, Log log, MessageHandler onMessage);
    ~MqttLink();
    MqttLink(const MqttLink&) = delete;
    MqttLink& operator=(const MqttLink&) = delete;

    // Begins connecting; false with the reason when the options cannot be used (a bad CA file).
    // A broker that does not answer yet is not a failure: the connection is retried.
    [[nodiscard]] bool start(std::string& error);
    void send(BridgeMessage message);
    // Sends what is queued while the broker is there (at most `grace`), then disconnects cleanly.
    void stop(std::chrono::milliseconds grace);

private:
    static void onConnect(mosquitto*, void* self, int rc);
    static void onDisconnect(mosquitto*, void* self, int rc);
    static void onPublish(mosquitto*, void* self, int mid);
    static void onMessage(mosquitto*, void* self, const mosquitto_message* message);
    void sendLoop();
    bool connectFirst(std::unique_lock<std::mutex>& lock);
    enum class Publish
    {
        Acknowledged,
        Again,   // the broker went away before it acknowledged: sent again after the reconnect
        Refused, // the library will never send it
    };
    Publish publish(const BridgeMessage& message, std::unique_lock<std::mutex>& lock);

    MqttOptions m_options;
    Log m_log;
    MessageHandler m_onMessage;
    mosquitto* m_mosq = nullptr;
    std::thread m_sender;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    BridgeQueue m_queue;
    std::map<std::string, BridgeMessage> m_retained; // the latest retained message of each topic
    std::set<int> m_acknowledged;                    // message ids the broker acknowledged
    bool m_connected = false;
    bool m_republish = false;
    bool m_stopping = false;
    bool m_everConnected = false;
    bool m_loopStarted = false;
};

} // namespace vorbix::ctl
