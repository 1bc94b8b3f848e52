// On-line mode against the simulated receiver: listening, status reads, relays, failures and a
// lost link.
#include "SessionRecorder.h"

#include "core/link/Checksum.h"
#include "core/online/OnlineSession.h"
#include "core/online/PulseTime.h"
#include "link/rx/RxSimFixture.h"

#include <gtest/gtest.h>

#include <mutex>

namespace vorbix::online::test {
namespace {

using namespace std::chrono_literals;
using link::test::Line;

class OnlineSessionTest : public link::test::RxSimFixture
{
protected:
    // Starts the simulator with five transmitters on `line`, logs in and goes on-line; returns once
    // the relay states of the start were shown.
    void goOnline(Line line = Line::TcpRaw, const OnlineTimings& timings = {},
                  std::function<void(const WaitProgress&)> onWait = {})
    {
        start(line, "10FF", {"--fill", "5", "--seed", "3"});
        if (HasFatalFailure() || IsSkipped()) {
            return;
        }
        ASSERT_TRUE(rx.ReadConfiguration()) << ::testing::PrintToString(errors);
        session.setCallbacks(recorder.callbacks(std::move(onWait)));
        session.setTimings(timings);
        ASSERT_TRUE(session.start()) << ::testing::PrintToString(errors);
        ASSERT_EQ(recorder.waitFor("relays Start"), "relays Start 00");
    }

    std::string command(const std::string& line) { return rxsim::test::controlCommand(control, line); }

    // The code of the transmitter in slot k (from 1): "01" and the record's five serial digits.
    std::string codeOfSlot(int k)
    {
        const auto first = static_cast<unsigned>(0x1000 + 8 * (k - 1));
        return "01" + simMemory(first, first + 7).substr(2, 5);
    }

    static OnlineTimings fastWaits()
    {
        OnlineTimings timings;
        timings.timeScale = 0.01;
        return timings;
    }

    SessionRecorder recorder;
    OnlineSession session{link, rx, texts};
};

TEST_F(OnlineSessionTest, StartShowsTheRelaysAndStopClosesTheLink)
{
    goOnline();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(session.running());
    EXPECT_EQ(command("relay 01"), "OK 01");
    EXPECT_EQ(recorder.waitFor("relays Report"), "relays Report 01");

    const auto before = std::chrono::steady_clock::now();
    session.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 1s) << "a listening session stops at once";
    EXPECT_FALSE(session.running());
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(recorder.count("ended"), 0) << "a stop asked for is no ending of its own";

    // The link's messages go to its owner again.
    errors.clear();
    EXPECT_FALSE(link.PosliPrikaz(":0500000701000F0F00"));
    EXPECT_EQ(errors, std::vector<std::string>{"text 121"});
}

TEST_F(OnlineSessionTest, EventsAreReadDecodedAndHandedOver)
{
    // The data set holds one transmitter; the lookup runs on the session's thread.
    std::mutex dataSetMutex;
    std::string inDataSet;
    session.setLevels({3, 3});
    session.setDataSetLookup([&](std::string_view serial) {
        const std::lock_guard lock(dataSetMutex);
        return inDataSet.size() == 7 && serial == inDataSet.substr(2);
    });
    goOnline();
    ASSERT_FALSE(HasFatalFailure());
    const std::string tx = codeOfSlot(3);
    {
        const std::lock_guard lock(dataSetMutex);
        inDataSet = tx;
    }

    const struct
    {
        std::string command;
        std::string status;
    } cases[] = {
        {"press " + tx + " 2", "status " + tx + " 2 3 0 -"},
        {"lowbatt " + tx + " 4 R", "status " + tx + " 4 3 1 -"}, // reported with 'R' alone
        {"input A123456 9", "status A123456 A=0,B=1 - 0 -"},
        {"temp B000001 5118", "status B000001 0 - 0 20.3 \xB0"
                              "C"},
        {"press 0100001 1", "status 0100001 1 - 0 -"},
    };
    for (const auto& c : cases) {
        const std::size_t from = recorder.size();
        ASSERT_TRUE(command(c.command).starts_with("OK ")) << c.command;
        EXPECT_EQ(recorder.waitFor("status", from), c.status) << c.command;
        EXPECT_EQ(recorder.waitFor("relays Event", from), "relays Event 00") << c.command;
    }
    // Done with the last event before this report is taken.
    EXPECT_EQ(command("relay 00"), "OK 00");
    EXPECT_EQ(recorder.waitFor("relays Report"), "relays Report 00");
    // In the receiver memory and in the data set: the history once, the low-battery list twice.
    EXPECT_EQ(recorder.count("handover " + tx + " history=1 battery=2"), 2);
    EXPECT_EQ(recorder.count("handover"), 2) << ::testing::PrintToString(recorder.lines());
    EXPECT_EQ(recorder.count("error"), 0);
}

TEST_F(OnlineSessionTest, RelaysAreReportedSentAndRefreshed)
{
    goOnline();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(command("relay 01"), "OK 01");
    EXPECT_EQ(recorder.waitFor("relays Report"), "relays Report 01");

    std::size_t from = recorder.size();
    RelaySelection on;
    on.on = 0x02;
    session.requestSend(on);
    EXPECT_EQ(recorder.waitFor("sent", from), "sent ok");
    EXPECT_EQ(recorder.waitFor("relays Report", from), "relays Report 03");

    // A pulse of half a second: the receiver reports the relay on and, when it ends, off.
    from = recorder.size();
    RelaySelection pulse;
    pulse.pulse = 0x01;
    pulse.pulseUnits = TimeEditExit({0, 0, 0}).units;
    session.requestSend(pulse);
    EXPECT_EQ(recorder.waitFor("sent", from), "sent ok");
    EXPECT_EQ(recorder.waitFor("relays Report 02", from), "relays Report 02");
    EXPECT_EQ(logCount("record :0600000B020100001000"), 1);
    EXPECT_EQ(logCount("record :0600000B010300051000"), 1);

    from = recorder.size();
    session.requestRefresh();
    EXPECT_EQ(recorder.waitFor("relays Refresh", from), "relays Refresh 02");
}

TEST_F(OnlineSessionTest, SevenFailedReadsEndOnlineModeWithTheMessage)
{
    setCharTimeout(100ms);
    goOnline(Line::TcpRaw, fastWaits());
    ASSERT_FALSE(HasFatalFailure());
    // The receiver reports and then stops answering before the status read 500 ms later.
    ASSERT_TRUE(command("press 0100001 1").starts_with("OK "));
    ASSERT_EQ(command("stall on"), "OK stall on");

    EXPECT_EQ(recorder.waitFor("ended", 0, 30s), "ended NoAnswer");
    EXPECT_EQ(recorder.count("wait "), 12) << "six waits between seven reads, each begun and over";
    EXPECT_EQ(recorder.waitFor("wait 6 over"), "wait 6 over");
    EXPECT_EQ(recorder.count("error"), 1);
    EXPECT_EQ(recorder.waitFor("error"), "error text 125");
    EXPECT_EQ(recorder.count("status"), 0);
    EXPECT_FALSE(session.running());
    EXPECT_FALSE(link.IsOpen());
    session.stop();
}

TEST_F(OnlineSessionTest, CancelInTheWaitEndsOnlineModeWithoutTheMessage)
{
    setCharTimeout(100ms);
    goOnline(Line::TcpRaw, fastWaits(), [this](const WaitProgress& step) {
        if (step.step == 0 && !step.over) {
            session.cancelWait();
        }
    });
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(command("press 0100001 1").starts_with("OK "));
    ASSERT_EQ(command("stall on"), "OK stall on");

    EXPECT_EQ(recorder.waitFor("ended", 0, 20s), "ended Cancelled");
    EXPECT_EQ(recorder.count("wait 1 begins"), 1);
    EXPECT_EQ(recorder.count("wait 1 over"), 1) << "the dialog closes";
    EXPECT_EQ(recorder.count("wait 2"), 0);
    EXPECT_EQ(recorder.count("error"), 0);
    EXPECT_FALSE(link.IsOpen());

    // On-line mode can be started again, as the communication sequences restart it.
    ASSERT_EQ(command("stall off"), "OK stall off");
    const std::size_t from = recorder.size();
    ASSERT_TRUE(session.start()) << ::testing::PrintToString(errors);
    EXPECT_EQ(recorder.waitFor("relays Start", from), "relays Start 00");
}

TEST_F(OnlineSessionTest, DroppedGatewayIsReconnectedAndOnlineModeGoesOn)
{
    goOnline(Line::TcpRaw, fastWaits());
    ASSERT_FALSE(HasFatalFailure());
    // The gateway closes the connection and turns clients away for a moment.
    const std::size_t beforeDrop = recorder.size();
    ASSERT_TRUE(command("drop 400").starts_with("OK dropped"));
    EXPECT_EQ(recorder.waitFor("link lost", 0, 2s), "link lost");
    // A relay command asked for while the link is down is not sent later.
    RelaySelection on;
    on.on = 0x01;
    session.requestSend(on);
    const std::string restored = recorder.waitFor("link restored", 0, 10s);
    ASSERT_FALSE(restored.empty()) << ::testing::PrintToString(recorder.lines());
    const int attempts = std::stoi(restored.substr(std::string("link restored ").size()));
    EXPECT_GE(attempts, 2) << "the first attempts were turned away";
    EXPECT_EQ(recorder.count("link reconnecting"), attempts);
    EXPECT_EQ(recorder.waitFor("relays Start", beforeDrop), "relays Start 00") << "the relay states are read again";

    const std::size_t from = recorder.size();
    ASSERT_TRUE(command("press 0100001 1").starts_with("OK "));
    EXPECT_EQ(recorder.waitFor("status", from), "status 0100001 1 - 0 -");
    EXPECT_EQ(recorder.count("error"), 0) << ::testing::PrintToString(recorder.lines());
    EXPECT_EQ(recorder.count("sent failed"), 1);
    EXPECT_EQ(logCount(":0600000B"), 0);
    EXPECT_TRUE(session.running());
}

TEST_F(OnlineSessionTest, VanishedSerialDeviceIsNoticedAndTheRetriesStopOnRequest)
{
    goOnline(Line::PlainPty, fastWaits());
    ASSERT_FALSE(HasFatalFailure());
    // The receiver's end of the line goes away, as an unplugged adapter does.
    EXPECT_EQ(sim->terminate(), 0);
    EXPECT_EQ(recorder.waitFor("link lost", 0, 3s), "link lost");
    EXPECT_EQ(recorder.waitFor("link reconnecting 3", 0, 5s), "link reconnecting 3");
    const auto before = std::chrono::steady_clock::now();
    session.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 2s);
    EXPECT_FALSE(session.running());
    EXPECT_EQ(recorder.count("error"), 0) << "failed attempts are no error boxes";
}

} // namespace
} // namespace vorbix::online::test
