// The one file that uses the MQTT client library.
#include "tools/vorbixctl/MqttLink.h"

#include <mosquitto.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

namespace vorbix::ctl {
namespace {

constexpr int kQos = 1;
constexpr auto kAckWait = std::chrono::seconds(10);

} // namespace

bool parseBrokerUrl(const std::string& url, MqttOptions& options, std::string& error)
{
    std::string rest;
    if (url.starts_with("mqtt://")) {
        options.tls = false;
        options.port = 1883;
        rest = url.substr(7);
    } else if (url.starts_with("mqtts://")) {
        options.tls = true;
        options.port = 8883;
        rest = url.substr(8);
    } else {
        error = "the broker must be given as mqtt://HOST:PORT or mqtts://HOST:PORT";
        return false;
    }
    if (!rest.empty() && rest.back() == '/') {
        rest.pop_back();
    }
    const std::size_t colon = rest.rfind(':');
    if (colon != std::string::npos) {
        const std::string port = rest.substr(colon + 1);
        int value = 0;
        const auto result = std::from_chars(port.data(), port.data() + port.size(), value);
        if (port.empty() || result.ec != std::errc() || result.ptr != port.data() + port.size() || value < 1 ||
            value > 65535) {
            error = "bad broker port '" + port + "'";
            return false;
        }
        options.port = value;
        rest.resize(colon);
    }
    if (rest.empty() || rest.find_first_of("/@ ") != std::string::npos) {
        error = "bad broker host in '" + url + "'";
        return false;
    }
    options.host = rest;
    return true;
}

MqttLink::MqttLink(MqttOptions options, Log log, MessageHandler onMessage)
    : m_options(std::move(options)), m_log(std::move(log)), m_onMessage(std::move(onMessage)),
      m_queue(m_options.queueCapacity)
{
    mosquitto_lib_init();
}

MqttLink::~MqttLink()
{
    stop(std::chrono::milliseconds(0));
    mosquitto_lib_cleanup();
}

bool MqttLink::start(std::string& error)
{
    m_mosq = mosquitto_new(m_options.clientId.empty() ? nullptr : m_options.clientId.c_str(), true, this);
    if (m_mosq == nullptr) {
        error = "cannot create the MQTT client";
        return false;
    }
    mosquitto_int_option(m_mosq, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_connect_callback_set(m_mosq, &MqttLink::onConnect);
    mosquitto_disconnect_callback_set(m_mosq, &MqttLink::onDisconnect);
    mosquitto_publish_callback_set(m_mosq, &MqttLink::onPublish);
    mosquitto_message_callback_set(m_mosq, &MqttLink::onMessage);
    mosquitto_reconnect_delay_set(m_mosq, 1, 30, true);
    if (!m_options.username.empty() &&
        mosquitto_username_pw_set(m_mosq, m_options.username.c_str(),
                                  m_options.password.empty() ? nullptr : m_options.password.c_str()) !=
            MOSQ_ERR_SUCCESS) {
        error = "cannot set the MQTT user name";
        return false;
    }
    if (m_options.tls) {
        const int rc =
            mosquitto_tls_set(m_mosq, m_options.caFile.empty() ? nullptr : m_options.caFile.c_str(),
                              m_options.caFile.empty() ? "/etc/ssl/certs" : nullptr, nullptr, nullptr, nullptr);
        if (rc != MOSQ_ERR_SUCCESS) {
            error = "cannot use the CA file " + m_options.caFile + ": " + mosquitto_strerror(rc);
            return false;
        }
    }
    if (!m_options.will.topic.empty() &&
        mosquitto_will_set(m_mosq, m_options.will.topic.c_str(), static_cast<int>(m_options.will.payload.size()),
                           m_options.will.payload.data(), kQos, m_options.will.retain) != MOSQ_ERR_SUCCESS) {
        error = "cannot set the last will";
        return false;
    }
    m_sender = std::thread([this] { sendLoop(); });
    return true;
}

void MqttLink::send(BridgeMessage message)
{
    {
        const std::lock_guard lock(m_mutex);
        if (message.retain) {
            m_retained[message.topic] = message;
        }
        m_queue.push(std::move(message));
    }
    m_changed.notify_all();
}

void MqttLink::stop(std::chrono::milliseconds grace)
{
    if (m_mosq == nullptr) {
        return;
    }
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, grace, [this] { return m_queue.empty() || !m_connected; });
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_sender.joinable()) {
        m_sender.join();
    }
    mosquitto_disconnect(m_mosq);
    if (m_loopStarted) {
        mosquitto_loop_stop(m_mosq, false);
    }
    mosquitto_destroy(m_mosq);
    m_mosq = nullptr;
}

void MqttLink::onConnect(mosquitto*, void* self, int rc)
{
    auto* link = static_cast<MqttLink*>(self);
    if (rc != 0) {
        link->m_log(std::string("the broker refused the connection: ") + mosquitto_connack_string(rc));
        return;
    }
    for (const std::string& filter : link->m_options.subscriptions) {
        mosquitto_subscribe(link->m_mosq, nullptr, filter.c_str(), kQos);
    }
    {
        const std::lock_guard lock(link->m_mutex);
        link->m_connected = true;
        link->m_republish = link->m_everConnected;
        link->m_everConnected = true;
    }
    link->m_log("connected to the broker " + link->m_options.host + ":" + std::to_string(link->m_options.port));
    link->m_changed.notify_all();
}

void MqttLink::onDisconnect(mosquitto*, void* self, int rc)
{
    auto* link = static_cast<MqttLink*>(self);
    {
        const std::lock_guard lock(link->m_mutex);
        link->m_connected = false;
    }
    if (rc != 0) {
        link->m_log("lost the broker; reconnecting");
    }
    link->m_changed.notify_all();
}

void MqttLink::onPublish(mosquitto*, void* self, int mid)
{
    auto* link = static_cast<MqttLink*>(self);
    {
        const std::lock_guard lock(link->m_mutex);
        link->m_acknowledged.insert(mid);
    }
    link->m_changed.notify_all();
}

void MqttLink::onMessage(mosquitto*, void* self, const mosquitto_message* message)
{
    auto* link = static_cast<MqttLink*>(self);
    if (link->m_onMessage && message->topic != nullptr) {
        link->m_onMessage(message->topic,
                          std::string(static_cast<const char*>(message->payload),
                                      static_cast<std::size_t>(message->payloadlen > 0 ? message->payloadlen : 0)));
    }
}

// Publishes one message and waits for the broker's acknowledgement; false when the broker went
// away first (the message is then sent again after the reconnect). Called and returns locked.
MqttLink::Publish MqttLink::publish(const BridgeMessage& message, std::unique_lock<std::mutex>& lock)
{
    int mid = 0;
    lock.unlock();
    const int rc = mosquitto_publish(m_mosq, &mid, message.topic.c_str(), static_cast<int>(message.payload.size()),
                                     message.payload.data(), kQos, message.retain);
    lock.lock();
    if (rc == MOSQ_ERR_PAYLOAD_SIZE || rc == MOSQ_ERR_MALFORMED_UTF8 || rc == MOSQ_ERR_INVAL ||
        rc == MOSQ_ERR_QOS_NOT_SUPPORTED || rc == MOSQ_ERR_OVERSIZE_PACKET) {
        return Publish::Refused;
    }
    if (rc != MOSQ_ERR_SUCCESS) {
        // Not connected after all: the disconnect is on its way.
        m_changed.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_stopping; });
        return Publish::Again;
    }
    m_changed.wait_for(lock, kAckWait, [&] { return m_acknowledged.contains(mid) || !m_connected || m_stopping; });
    return m_acknowledged.erase(mid) > 0 ? Publish::Acknowledged : Publish::Again;
}

// The first connection: the library's thread reconnects only a connection that once stood, so
// until then this thread tries with the same back-off. Called and returns locked.
bool MqttLink::connectFirst(std::unique_lock<std::mutex>& lock)
{
    auto delay = std::chrono::seconds(1);
    bool reported = false;
    while (!m_stopping) {
        lock.unlock();
        const int rc = mosquitto_connect(m_mosq, m_options.host.c_str(), m_options.port, m_options.keepAliveSeconds);
        const int error = errno;
        const bool started = rc == MOSQ_ERR_SUCCESS && mosquitto_loop_start(m_mosq) == MOSQ_ERR_SUCCESS;
        if (rc != MOSQ_ERR_SUCCESS && !reported) {
            reported = true;
            m_log("broker " + m_options.host + ":" + std::to_string(m_options.port) + " not reached yet (" +
                  (rc == MOSQ_ERR_ERRNO ? std::string(std::strerror(error)) : mosquitto_strerror(rc)) +
                  "); trying again");
        }
        lock.lock();
        if (started) {
            m_loopStarted = true;
            return true;
        }
        m_changed.wait_for(lock, delay, [this] { return m_stopping; });
        delay = std::min(delay * 2, std::chrono::seconds(30));
    }
    return false;
}

void MqttLink::sendLoop()
{
    std::unique_lock lock(m_mutex);
    if (!connectFirst(lock)) {
        return;
    }
    while (!m_stopping) {
        m_changed.wait(lock, [this] { return m_stopping || (m_connected && (m_republish || !m_queue.empty())); });
        if (m_stopping) {
            break;
        }
        if (const std::size_t dropped = m_queue.takeDropped(); dropped > 0) {
            m_log("the queue for the broker was full: " + std::to_string(dropped) + " oldest messages dropped");
        }
        if (m_republish) {
            m_republish = false;
            std::vector<BridgeMessage> retained;
            for (const auto& [topic, message] : m_retained) {
                retained.push_back(message);
            }
            for (const BridgeMessage& message : retained) {
                if (publish(message, lock) == Publish::Again) {
                    break;
                }
            }
            continue;
        }
        const BridgeMessage message = m_queue.front();
        const Publish outcome = publish(message, lock);
        if (outcome == Publish::Refused) {
            // Sending it again would not help.
            m_log("the MQTT library refused a message on " + message.topic + "; dropped");
        }
        // Only the queue's front is sent, and only this thread takes it off; a full queue drops the
        // oldest, which may be the one just sent.
        if (outcome != Publish::Again && !m_queue.empty() && m_queue.front().topic == message.topic &&
            m_queue.front().payload == message.payload) {
            m_queue.pop();
            // stop() waits for an empty queue.
            m_changed.notify_all();
        }
    }
}

} // namespace vorbix::ctl
