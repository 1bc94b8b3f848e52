// watch and relay, run as a user runs them, against the simulated receiver.
#include "core/link/Checksum.h"
#include "core/text/TextFile.h"
#include "support/ChildProcess.h"
#include "support/TempFolder.h"
#include "tools/rxsim/SimProcess.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <regex>
#include <thread>

namespace {

using namespace std::chrono_literals;
using vorbix::rxsim::test::connectLoopback;
using vorbix::rxsim::test::controlCommand;
using vorbix::rxsim::test::SimProcess;

// vorbixctl running in the background, its output going to files; the password comes only from
// the command line.
class CtlProcess : public vorbix::test::ChildProcess
{
public:
    explicit CtlProcess(const std::vector<std::string>& args) : ChildProcess(withProgram(args), {"VORBIX_PASSWORD"}) {}

private:
    static std::vector<std::string> withProgram(const std::vector<std::string>& args)
    {
        std::vector<std::string> all{VORBIXCTL_PATH};
        all.insert(all.end(), args.begin(), args.end());
        return all;
    }
};

// A simulated KV4MUL-M (4 relays, 16-byte records) with 8 transmitters on loopback TCP.
class OnlineCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sim = std::make_unique<SimProcess>(std::vector<std::string>{
            "--folder", VORBIX_DATA_DIR, "--model", "KV4MUL-M", "--mem-end", "11FF", "--fill", "8", "--control",
            "127.0.0.1:0", "--tcp", "127.0.0.1:0", "--log", folder.file("sim.log")});
        ASSERT_TRUE(sim->ready()) << sim->errors();
        control = connectLoopback("127.0.0.1", sim->port("control"));
        ASSERT_GE(control, 0);
        // A program folder of the test's own: watch writes the lists into it.
        folder.copyData("Rx.def");
        folder.copyData("US.lng");
    }
    ~OnlineCommandsTest() override
    {
        if (control >= 0) {
            ::close(control);
        }
    }

    std::vector<std::string> ctl(const std::vector<std::string>& args) const
    {
        std::vector<std::string> all = {"--folder", folder.path(), "--tcp",
                                        "127.0.0.1:" + std::to_string(sim->port("tcp"))};
        all.insert(all.end(), args.begin(), args.end());
        return all;
    }
    // Runs vorbixctl to its end; the exit status, with stdout in `out`.
    int run(const std::vector<std::string>& args, std::string& out)
    {
        CtlProcess process(ctl(args));
        const int status = process.wait();
        out = process.out();
        lastErr = process.err();
        return status;
    }
    // The code of the transmitter in slot k (from 1): "01" and its five serial digits.
    std::string codeOfSlot(int k)
    {
        const std::string address = vorbix::link::HexWord(static_cast<unsigned>(0x1000 + 16 * (k - 1)));
        const std::string answer = controlCommand(control, "mem " + address + " 16");
        return answer.starts_with("OK ") ? "01" + answer.substr(3 + 2, 5) : "";
    }

    // Runs watch until it has seen `events`, injected one at a time.
    void watchEvents(const std::vector<std::string>& args, const std::vector<std::string>& events)
    {
        std::vector<std::string> all = {"watch", "--count", std::to_string(events.size())};
        all.insert(all.end(), args.begin(), args.end());
        CtlProcess watch(ctl(all));
        ASSERT_TRUE(watch.waitFor("  relays  ")) << watch.err();
        for (const std::string& event : events) {
            ASSERT_TRUE(controlCommand(control, event).starts_with("OK ")) << event;
            // One report at a time, so that each gets its own status read.
            std::this_thread::sleep_for(700ms);
        }
        EXPECT_EQ(watch.wait(), 0) << watch.err();
        EXPECT_EQ(watch.err(), "");
    }

    vorbix::test::TempFolder folder;
    std::unique_ptr<SimProcess> sim;
    int control = -1;
    std::string lastErr;
};

TEST_F(OnlineCommandsTest, WatchJsonPrintsTheInjectedEvents)
{
    const std::string tx = codeOfSlot(2);
    ASSERT_EQ(tx.size(), 7u);
    ASSERT_EQ(controlCommand(control, "relay 05"), "OK 05");
    CtlProcess watch(ctl({"watch", "--json", "--count", "3"}));
    ASSERT_TRUE(watch.waitFor("\"kind\":\"relays\"")) << watch.err();
    for (const std::string& event : {"lowbatt " + tx + " 2", std::string("input A123456 9"),
                                     std::string("temp B000001 5118 R"), std::string("press 0100001 1")}) {
        ASSERT_TRUE(controlCommand(control, event).starts_with("OK ")) << event;
        // One report at a time, so that each gets its own status read.
        std::this_thread::sleep_for(700ms);
    }
    EXPECT_EQ(watch.wait(), 0) << watch.err();

    std::string out = watch.out();
    const std::regex time("\"time\":\"\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\",");
    EXPECT_EQ(std::distance(std::sregex_iterator(out.begin(), out.end(), time), std::sregex_iterator()), 4) << out;
    out = std::regex_replace(out, time, "");
    EXPECT_EQ(out, "{\"kind\":\"relays\",\"relays\":[1,3]}\n"
                   "{\"kind\":\"event\",\"tx\":\"" +
                       tx +
                       "\",\"button\":\"2\",\"slot\":2,\"lowbatt\":true,\"temp\":null,\"relays\":[1,3]}\n"
                       "{\"kind\":\"event\",\"tx\":\"A123456\",\"button\":\"A=0,B=1\",\"slot\":null,\"lowbatt\":false,"
                       "\"temp\":null,\"relays\":[1,3]}\n"
                       "{\"kind\":\"event\",\"tx\":\"B000001\",\"button\":\"0\",\"slot\":null,\"lowbatt\":false,"
                       "\"temp\":20.3,\"relays\":[1,3]}\n")
        << "three events, then the end";
    EXPECT_EQ(watch.err(), "");
}

TEST_F(OnlineCommandsTest, WatchFeedsBothListsByTheirLevelsLinkedToTheDataSet)
{
    // The data set: slots 1 to 8 as in the receiver (the same seed fills the same slots), slot 9
    // only in the file; slots 2 and 9 carry user texts.
    const std::string dataFile = folder.file("Set.rxd");
    {
        SimProcess other({"--folder", VORBIX_DATA_DIR, "--model", "KV4MUL-M", "--mem-end", "11FF", "--fill", "10",
                          "--control", "127.0.0.1:0", "--tcp", "127.0.0.1:0"});
        ASSERT_TRUE(other.ready()) << other.errors();
        const int otherControl = connectLoopback("127.0.0.1", other.port("control"));
        ASSERT_GE(otherControl, 0);
        ASSERT_TRUE(controlCommand(otherControl, "save " + dataFile).starts_with("OK ")) << dataFile;
        ::close(otherControl);
    }
    std::vector<std::string> lines = vorbix::text::splitLines(folder.read("Set.rxd"));
    ASSERT_GT(lines.size(), 3u + 2 * 9);
    lines[3 + 2 * 1] = "2   17#Room 4#Gate#Main##";
    lines[3 + 2 * 8] = "9   23#Store###Back#";
    std::string content;
    for (const std::string& line : lines) {
        content += line + "\r\n";
    }
    folder.write("Set.rxd", content);

    const std::string both = codeOfSlot(2);
    const std::string fileOnly = "01" + lines[2].substr(2 * 16 * 8 + 2, 5); // slot 9 of the image
    const std::string neither = "0100001";
    ASSERT_EQ(both.size(), 7u);
    ASSERT_NE(fileOnly, both);
    const std::map<std::string, std::string> linked = {
        {both, "\"id\":17,\"user\":[\"Room 4\",\"Gate\",\"Main\",\"\"]}"},
        {fileOnly, "\"id\":23,\"user\":[\"Store\",\"\",\"\",\"Back\"]}"},
        {neither, "\"id\":0,\"user\":[\"\",\"\",\"\",\"\"]}"},
    };

    struct Case
    {
        int history;
        int battery;
        bool data;
        std::vector<std::string> historyTx; // newest first
        std::vector<std::string> batteryTx; // by transmitter code, the default sort
    };
    const std::vector<Case> cases = {
        {1, 4, true, {both}, {both, fileOnly, neither}},
        {2, 3, true, {fileOnly, both}, {both, fileOnly}},
        {3, 1, true, {fileOnly, both}, {both}},
        {4, 2, true, {neither, fileOnly, both}, {both, fileOnly}},
        {2, 2, false, {}, {}}, // no data set open: levels 2 know no transmitter
    };
    const std::regex time("\"time\":\"[^\"]*\",");
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "levels " << c.history << "/" << c.battery << " data " << c.data);
        std::remove(folder.file("History.dat").c_str());
        std::remove(folder.file("LowBatt.dat").c_str());
        folder.write("Vorbix.ini", "[Setup]\r\nHistoryMonitorLevel=" + std::to_string(c.history) +
                                       "\r\nBatteryMonitorLevel=" + std::to_string(c.battery) + "\r\n");
        std::vector<std::string> args;
        if (c.data) {
            args = {"--data", dataFile};
        }
        watchEvents(args, {"lowbatt " + both + " F", "lowbatt " + fileOnly + " F", "lowbatt " + neither + " F"});

        std::string expected;
        for (const std::string& tx : c.historyTx) {
            expected += "{\"tx\":\"" + tx + "\",\"code\":\"F\",\"lowbatt\":true," +
                        (c.data ? linked.at(tx) : linked.at(neither)) + "\n";
        }
        std::string out;
        EXPECT_EQ(run({"history", "--json"}, out), 0) << lastErr;
        EXPECT_EQ(std::regex_replace(out, time, ""), expected);

        std::vector<std::string> sorted = c.batteryTx;
        std::sort(sorted.begin(), sorted.end());
        expected.clear();
        for (const std::string& tx : sorted) {
            expected += "{\"tx\":\"" + tx + "\",\"state\":0," + (c.data ? linked.at(tx) : linked.at(neither)) + "\n";
        }
        EXPECT_EQ(run({"battery", "--json"}, out), 0) << lastErr;
        EXPECT_EQ(std::regex_replace(out, time, ""), expected);
    }
}

TEST_F(OnlineCommandsTest, WatchEndsCleanlyOnASignalOrAfterItsSeconds)
{
    for (const int signal : {SIGTERM, SIGINT}) {
        CtlProcess watch(ctl({"watch"}));
        ASSERT_TRUE(watch.waitFor("  relays  -\n")) << watch.err();
        ASSERT_TRUE(controlCommand(control, "relay 08").starts_with("OK"));
        ASSERT_TRUE(watch.waitFor("  relays  4\n")) << watch.out();
        watch.signal(signal);
        EXPECT_EQ(watch.wait(3s), 0) << signal;
        ASSERT_TRUE(controlCommand(control, "relay 00").starts_with("OK"));
    }
    std::string out;
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(run({"watch", "--seconds", "1"}, out), 0) << lastErr;
    EXPECT_LT(std::chrono::steady_clock::now() - before, 5s);
}

TEST_F(OnlineCommandsTest, RelayPulseSendsTheRecordWithItsChecksum)
{
    std::string out;
    EXPECT_EQ(run({"relay", "pulse", "2", "--time", "1.5"}, out), 0) << lastErr;
    EXPECT_EQ(out, "pulse time 1.5 s\n");
    EXPECT_NE(folder.read("sim.log").find("record :0600000B0203000F1000CB checksum ok: relays 02 pulse for 15 tenths"),
              std::string::npos)
        << folder.read("sim.log");

    // The time goes through the rounding and the limits of the direct control page.
    EXPECT_EQ(run({"relay", "pulse", "1", "--time", "1.25"}, out), 0) << lastErr;
    EXPECT_EQ(out, "pulse time 1.2 s\n");
    EXPECT_EQ(run({"relay", "pulse", "1", "--time", "0"}, out), 0) << lastErr;
    EXPECT_EQ(out, "pulse time 0.5 s\n");
    EXPECT_EQ(run({"relay", "pulse", "1", "--time", "99999"}, out), 0) << lastErr;
    EXPECT_EQ(out, "pulse time 6553.5 s\n");
}

TEST_F(OnlineCommandsTest, RelayOnOffAndStatus)
{
    std::string out;
    EXPECT_EQ(run({"relay", "on", "1,3"}, out), 0) << lastErr;
    EXPECT_EQ(out, "");
    EXPECT_EQ(run({"relay", "status"}, out), 0) << lastErr;
    EXPECT_EQ(out, "1\ton\n2\toff\n3\ton\n4\toff\n");
    EXPECT_EQ(controlCommand(control, "status").substr(3 + 22, 2), "05");

    EXPECT_EQ(run({"relay", "off", "all"}, out), 0) << lastErr;
    EXPECT_EQ(run({"relay", "status"}, out), 0) << lastErr;
    EXPECT_EQ(out, "1\toff\n2\toff\n3\toff\n4\toff\n");
}

TEST_F(OnlineCommandsTest, UsageErrorsExitWithTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"relay"},
        {"relay", "flip", "1"},
        {"relay", "on"},
        {"relay", "on", "0"},
        {"relay", "on", "9"},
        {"relay", "on", "1,,2"},
        {"relay", "on", "1", "--time", "2"},
        {"relay", "pulse", "1"},
        {"relay", "pulse", "1", "--time", "x"},
        {"relay", "pulse", "1", "--time", "1.2345"},
        {"relay", "status", "1"},
        {"relay", "on", "5"}, // the model has relays 1 to 4
        {"watch", "--count", "0"},
        {"watch", "--seconds"},
        {"watch", "--seconds", "99999999999"},
        {"watch", "--bogus"},
        {"watch", "--data"},
    };
    for (const auto& args : cases) {
        std::string out;
        EXPECT_EQ(run(args, out), 2) << ::testing::PrintToString(args) << lastErr;
        EXPECT_FALSE(lastErr.empty()) << ::testing::PrintToString(args);
    }
    EXPECT_EQ(folder.read("sim.log").find(":0600000B"), std::string::npos) << "no relay record was sent";
}

} // namespace

namespace {

TEST_F(OnlineCommandsTest, MonitorSwitchesAMessageByItsEventsAndJournalsIt)
{
    const std::string setup = folder.write("alarm.mon", "Vorbix monitor setup file\r\n"
                                                        "1#Gate, open#1#12#0###0#0#0#\r\n"
                                                        "Active:0100001#1#n#end\r\n"
                                                        "Deactive:0100001#2#n#end\r\n");
    CtlProcess monitor(ctl({"monitor", setup, "--json", "--count", "2"}));
    ASSERT_TRUE(monitor.waitFor("monitoring 1 messages", CtlProcess::Stream::Err)) << monitor.err();
    for (const std::string event : {"press 0100001 1", "press 0100001 2"}) {
        ASSERT_TRUE(controlCommand(control, event).starts_with("OK ")) << event;
        std::this_thread::sleep_for(700ms);
    }
    EXPECT_EQ(monitor.wait(), 0) << monitor.err();

    std::string out = monitor.out();
    const std::regex time("\"time\":\"(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d)\",");
    std::vector<std::string> times;
    for (auto it = std::sregex_iterator(out.begin(), out.end(), time); it != std::sregex_iterator(); ++it) {
        times.push_back((*it)[1]);
    }
    ASSERT_EQ(times.size(), 2u) << out;
    EXPECT_EQ(std::regex_replace(out, time, ""),
              "{\"kind\":\"activate\",\"message\":1,\"text\":\"Gate, open\",\"order\":1,\"tx\":\"0100001\","
              "\"button\":\"1\"}\n"
              "{\"kind\":\"deactivate\",\"message\":1,\"text\":\"Gate, open\",\"order\":1,\"tx\":\"0100001\","
              "\"button\":\"2\"}\n");
    EXPECT_EQ(folder.read("MonitorJournal.csv"), "time,kind,message,text,tx,button,user\r\n" + times[0] +
                                                     ",activate,1,\"Gate, open\",0100001,1,\r\n" + times[1] +
                                                     ",deactivate,1,\"Gate, open\",0100001,2,\r\n");
}

TEST_F(OnlineCommandsTest, MonitorReportsAndJournalsALostLinkAndItsReturn)
{
    const std::string setup = folder.write("alarm.mon", "Vorbix monitor setup file\r\n"
                                                        "1#Gate#1#12#0###0#0#0#\r\n"
                                                        "Active:0100001#1#n#end\r\n"
                                                        "Deactive:0100001#2#n#end\r\n");
    CtlProcess monitor(ctl({"monitor", setup, "--json", "--count", "2"}));
    ASSERT_TRUE(monitor.waitFor("monitoring 1 messages", CtlProcess::Stream::Err)) << monitor.err();
    // The gateway loses its network: the client is cut off and the next attempt gets through.
    ASSERT_TRUE(controlCommand(control, "drop 0").starts_with("OK dropped"));
    ASSERT_TRUE(monitor.waitFor("\"kind\":\"link-lost\"")) << monitor.out() << monitor.err();
    EXPECT_EQ(monitor.wait(15s), 0) << monitor.err();

    const std::regex time("\"time\":\"(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d)\",");
    const std::string out = monitor.out();
    std::vector<std::string> times;
    for (auto it = std::sregex_iterator(out.begin(), out.end(), time); it != std::sregex_iterator(); ++it) {
        times.push_back((*it)[1]);
    }
    ASSERT_EQ(times.size(), 2u) << out;
    EXPECT_EQ(std::regex_replace(out, time, ""),
              "{\"kind\":\"link-lost\",\"text\":\"The link to the receiver is lost; no alarm can arrive\"}\n"
              "{\"kind\":\"link-restored\",\"text\":\"The link to the receiver is restored\"}\n");
    EXPECT_EQ(folder.read("MonitorJournal.csv"),
              "time,kind,message,text,tx,button,user\r\n" + times[0] +
                  ",link-lost,0,The link to the receiver is lost; no alarm can arrive,,,\r\n" + times[1] +
                  ",link-restored,0,The link to the receiver is restored,,,\r\n");
}

TEST_F(OnlineCommandsTest, MonitorUsageErrorsAndABrokenSetup)
{
    const std::vector<std::vector<std::string>> usage = {
        {"monitor"},
        {"monitor", "a.mon", "b.mon"},
        {"monitor", "a.mon", "--count", "0"},
        {"monitor", "a.mon", "--bogus"},
    };
    for (const auto& args : usage) {
        std::string out;
        EXPECT_EQ(run(args, out), 2) << ::testing::PrintToString(args) << lastErr;
    }
    std::string out;
    EXPECT_EQ(run({"monitor", folder.write("bad.mon", "not a setup\r\n")}, out), 1);
    EXPECT_FALSE(lastErr.empty());
}

} // namespace
