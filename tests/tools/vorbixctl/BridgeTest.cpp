// vorbixctl bridge between the simulated receiver and a real MQTT broker started by the test, on a
// loopback address of this process's own; a subscriber checks what reaches the broker.
#include "core/text/TextFile.h"
#include "support/ChildProcess.h"
#include "support/LoopbackAddress.h"
#include "support/TempFolder.h"
#include "tools/rxsim/SimProcess.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

using namespace std::chrono_literals;
using vorbix::rxsim::test::connectLoopback;
using vorbix::rxsim::test::controlCommand;
using vorbix::rxsim::test::SimProcess;

constexpr const char* kPrefix = "test/bridge";

std::string findProgram(const std::string& name)
{
    for (const char* folder : {"/usr/sbin/", "/usr/bin/", "/usr/local/sbin/", "/usr/local/bin/"}) {
        const std::string path = folder + name;
        if (::access(path.c_str(), X_OK) == 0) {
            return path;
        }
    }
    return {};
}

using Process = vorbix::test::ChildProcess;
constexpr Process::Stream kErr = Process::Stream::Err;

class BridgeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        broker = findProgram("mosquitto");
        subscriber = findProgram("mosquitto_sub");
        publisher = findProgram("mosquitto_pub");
        if (broker.empty() || subscriber.empty() || publisher.empty()) {
            GTEST_SKIP() << "the MQTT broker and its clients (Debian mosquitto, mosquitto-clients) are not "
                            "installed; scripts/install-deps.sh installs them";
        }
        address = vorbix::test::uniqueLoopbackAddress();
        folder.write("broker.conf", "listener 1883 " + address + "\nallow_anonymous true\npersistence false\n");
        startBroker();
        sim = std::make_unique<SimProcess>(std::vector<std::string>{
            "--folder", VORBIX_DATA_DIR, "--model", "KV4MUL-M", "--mem-end", "11FF", "--fill", "8", "--control",
            "127.0.0.1:0", "--tcp", "127.0.0.1:0", "--log", folder.file("sim.log")});
        ASSERT_TRUE(sim->ready()) << sim->errors();
        control = connectLoopback("127.0.0.1", sim->port("control"));
        ASSERT_GE(control, 0);
        folder.copyData("Rx.def");
        folder.copyData("US.lng");
    }
    void TearDown() override
    {
        if (control >= 0) {
            ::close(control);
        }
    }

    void startBroker()
    {
        brokerProcess = std::make_unique<Process>(std::vector<std::string>{broker, "-c", folder.file("broker.conf")});
        const auto end = std::chrono::steady_clock::now() + 5s;
        int fd = -1;
        while ((fd = connectLoopback(address, 1883)) < 0 && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(20ms);
        }
        ASSERT_GE(fd, 0) << brokerProcess->err();
        ::close(fd);
    }
    std::unique_ptr<Process> bridge(const std::vector<std::string>& extra)
    {
        std::vector<std::string> args = {VORBIXCTL_PATH,
                                         "--folder",
                                         folder.path(),
                                         "--tcp",
                                         "127.0.0.1:" + std::to_string(sim->port("tcp")),
                                         "bridge",
                                         "--mqtt",
                                         "mqtt://" + address + ":1883",
                                         "--topic",
                                         kPrefix};
        args.insert(args.end(), extra.begin(), extra.end());
        return std::make_unique<Process>(args);
    }
    // A subscriber to everything under the prefix: one line per message, "RETAIN TOPIC PAYLOAD".
    // With `debug` it also prints "SUBACK" once it listens.
    std::unique_ptr<Process> subscribe(bool debug = false)
    {
        std::vector<std::string> args = {
            subscriber, "-h", address, "-p", "1883", "-q", "1", "-t", std::string(kPrefix) + "/#", "-F", "%r %t %p"};
        if (debug) {
            args.push_back("-d");
        }
        return std::make_unique<Process>(args);
    }
    void publish(const std::string& topic, const std::string& payload)
    {
        Process pub({publisher, "-h", address, "-p", "1883", "-q", "1", "-t", std::string(kPrefix) + "/" + topic, "-m",
                     payload});
        std::this_thread::sleep_for(300ms);
    }
    void press(const std::string& event)
    {
        ASSERT_TRUE(controlCommand(control, event).starts_with("OK ")) << event;
        // One report at a time, so that each gets its own status read.
        std::this_thread::sleep_for(700ms);
    }
    std::string simLog() const { return folder.read("sim.log"); }

    vorbix::test::TempFolder folder;
    std::string broker, subscriber, publisher, address;
    std::unique_ptr<Process> brokerProcess;
    std::unique_ptr<SimProcess> sim;
    int control = -1;
};

TEST_F(BridgeTest, PublishesEventsAlarmsAndRetainedStatesRefusesRelaysAndLeavesItsLastWill)
{
    const std::string setup = folder.write("alarm.mon", "Vorbix monitor setup file\r\n"
                                                        "1#Gate#1#12#0###0#0#0#\r\n"
                                                        "Active:0100001#3#n#end\r\n"
                                                        "Deactive:0100001#4#n#end\r\n");
    auto ctl = bridge({"--monitor", setup});
    ASSERT_TRUE(ctl->waitFor("publishing under test/bridge", kErr)) << ctl->err();
    // A subscriber that comes later gets the states as retained messages.
    std::this_thread::sleep_for(300ms);
    auto sub = subscribe();
    ASSERT_TRUE(sub->waitFor("1 test/bridge/relay/4/state OFF\n")) << sub->out() << sub->err();
    EXPECT_TRUE(sub->waitFor("1 test/bridge/status online\n")) << sub->out();

    press("press 0100001 3");
    ASSERT_TRUE(sub->waitFor("0 test/bridge/event {\"kind\":\"event\",\"time\":\"")) << sub->out();
    EXPECT_TRUE(sub->waitFor("\"tx\":\"0100001\",\"button\":\"3\",\"slot\":null,\"lowbatt\":false,\"temp\":null,"
                             "\"relays\":[]}\n"))
        << sub->out();
    EXPECT_TRUE(sub->waitFor("test/bridge/battery/0100001 OK\n")) << sub->out();
    EXPECT_TRUE(sub->waitFor("test/bridge/alarm/1 activate\n")) << sub->out();

    // The receiver link comes and goes: its state follows, and the alarm journal has both.
    ASSERT_TRUE(controlCommand(control, "drop 0").starts_with("OK dropped"));
    EXPECT_TRUE(sub->waitFor("test/bridge/status lost\n")) << sub->out();
    EXPECT_TRUE(sub->waitFor("test/bridge/status lost\n0 test/bridge/status online\n")) << sub->out();
    EXPECT_NE(folder.read("MonitorJournal.csv").find(",link-restored,0,"), std::string::npos);

    // Without --allow-relays a command opens nothing.
    publish("relay/1/set", "ON");
    EXPECT_TRUE(ctl->waitFor("relay commands need --allow-relays", kErr)) << ctl->err();
    EXPECT_EQ(simLog().find("relays 01 on"), std::string::npos) << simLog();

    // The broker publishes the last will, and keeps it for later subscribers.
    ctl->stop(SIGKILL);
    EXPECT_TRUE(sub->waitFor("test/bridge/status offline\n")) << sub->out();
    auto later = subscribe();
    EXPECT_TRUE(later->waitFor("1 test/bridge/status offline\n")) << later->out();
}

TEST_F(BridgeTest, RelayCommandsReachTheReceiverOnlyWhenAllowedAndWellFormed)
{
    auto ctl = bridge({"--allow-relays"});
    ASSERT_TRUE(ctl->waitFor("publishing under test/bridge", kErr)) << ctl->err();
    auto sub = subscribe();
    ASSERT_TRUE(sub->waitFor("test/bridge/relay/1/state OFF\n")) << sub->out();

    for (const auto& [topic, payload] : std::vector<std::pair<std::string, std::string>>{
             {"relay/1/set", "PULSE soon"}, {"relay/1/set", "on"}, {"relay/9/set", "ON"}, {"relay/x/set", "ON"}}) {
        publish(topic, payload);
    }
    EXPECT_TRUE(ctl->waitFor("relay 9 is unknown", kErr)) << ctl->err();
    EXPECT_TRUE(ctl->waitFor("refused \"on\"", kErr)) << ctl->err();
    EXPECT_EQ(simLog().find(" relays "), std::string::npos) << simLog();

    publish("relay/1/set", "ON");
    ASSERT_TRUE(sub->waitFor("test/bridge/relay/1/state ON\n")) << sub->out() << ctl->err();
    EXPECT_NE(simLog().find("relays 01 on"), std::string::npos) << simLog();
    publish("relay/2/set", "PULSE 1.5");
    EXPECT_TRUE(ctl->waitFor("relay 2: \"PULSE 1.5\" sent", kErr)) << ctl->err();
}

TEST_F(BridgeTest, EventsQueuedWhileTheBrokerIsAwayArriveInOrderWhenItIsBack)
{
    auto ctl = bridge({});
    ASSERT_TRUE(ctl->waitFor("connected to the broker", kErr)) << ctl->err();
    brokerProcess->stop(SIGTERM);
    ASSERT_TRUE(ctl->waitFor("lost the broker", kErr)) << ctl->err();
    for (const char* event : {"press 0100001 1", "press 0100002 2", "press 0100003 3"}) {
        press(event);
    }
    startBroker();
    // The bridge's first reconnect comes a second after the loss at the earliest.
    auto sub = subscribe(true);
    ASSERT_TRUE(sub->waitFor("SUBACK")) << sub->out();
    ASSERT_TRUE(sub->waitFor("\"tx\":\"0100003\"", Process::Stream::Out, 20s)) << sub->out() << ctl->err();
    const std::string out = sub->out();
    const std::size_t first = out.find("\"tx\":\"0100001\"");
    const std::size_t second = out.find("\"tx\":\"0100002\"");
    EXPECT_LT(first, second) << out;
    EXPECT_LT(second, out.find("\"tx\":\"0100003\"")) << out;
}

} // namespace
