#include "LinkFixture.h"
#include "PeerThread.h"
#include "PseudoTerminal.h"

#include "core/link/Checksum.h"

using namespace vorbix::link;
using namespace vorbix::link::test;
using std::chrono::milliseconds;

namespace {

// The link on a COM port that is a pseudo-terminal, with a receiver on the other side and
// short time-outs.
class SerialLinkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!pty.valid()) {
            GTEST_SKIP() << "no pseudo-terminal available";
        }
        link.Settings.ConnectionType = ConnectionKind::ComPort;
        link.Settings.ComNumber = 7;
        link.Settings.ComSpeed = 57600;
        link.SerialPorts[7] = pty.slavePath();
        LinkTimings timings;
        timings.serialSettle = milliseconds(10);
        timings.dtrToRts = milliseconds(1);
        timings.serialCharTimeout = milliseconds(200);
        timings.retryPause = milliseconds(5);
        link.setTimings(timings);
        link.setErrorSink([this](const std::string& message) { errors.push_back(message); });
    }

    vorbix::PopisType texts = numberedTexts();
    PseudoTerminal pty;
    PeerThread peer{pty.master()};
    TKomunikace link{texts};
    std::vector<std::string> errors;
};

} // namespace

TEST_F(SerialLinkTest, PlainReadRequestAndReply)
{
    ASSERT_TRUE(link.Otevri());
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(link.ConnectionText(), "COM 7:57600");
    ASSERT_TRUE(link.PosliPrikaz(kStatusRead));
    std::string reply;
    ASSERT_TRUE(link.PrijemDat(40, reply));
    EXPECT_EQ(reply.substr(0, 5), "0100 ");
    EXPECT_EQ(reply.substr(37, 2), "\r\n");
    link.Zavri();
    peer.stop();
    EXPECT_EQ(peer.receiver().received, "U" + kStatusRead + Checksum(kStatusRead) + "\r\n");
    EXPECT_TRUE(errors.empty());
}

TEST_F(SerialLinkTest, DumpVariantRetriesAWrongEcho)
{
    link.Settings.DumpRead = true;
    peer.with([](FakeReceiver& r) { r.faults = {'C'}; });
    ASSERT_TRUE(link.Otevri());
    EXPECT_TRUE(link.PosliPrikaz(kErase));
    EXPECT_EQ(link.LastError(), 0);
    EXPECT_EQ(peer.with([](FakeReceiver& r) { return r.records.size(); }), 2u);
}

TEST_F(SerialLinkTest, SilentReceiverGivesCodeOne)
{
    LinkTimings timings;
    timings.serialSettle = milliseconds(0);
    timings.serialCharTimeout = milliseconds(15);
    timings.retryPause = milliseconds(1);
    link.setTimings(timings);
    peer.with([](FakeReceiver& r) { r.answerWakeUp = false; });
    ASSERT_TRUE(link.Otevri());
    EXPECT_FALSE(link.PosliPrikaz(kErase));
    EXPECT_EQ(link.LastError(), 1);
    EXPECT_EQ(peer.with([](FakeReceiver& r) { return r.resyncBytes; }), 9);
}

TEST_F(SerialLinkTest, PortThatCannotBeOpenedShowsText120AndWhy)
{
    ASSERT_TRUE(link.Otevri());
    TKomunikace second(texts);
    second.Settings = link.Settings;
    second.SerialPorts = link.SerialPorts;
    second.setErrorSink([this](const std::string& message) { errors.push_back(message); });
    EXPECT_FALSE(second.Otevri());
    EXPECT_FALSE(second.IsOpen());

    second.SerialPorts[7] = "/nonexistent/ttyX";
    EXPECT_FALSE(second.Otevri());
    EXPECT_EQ(errors, (std::vector<std::string>{"text 120 - " + link.SerialPorts[7] + " is in use by another program",
                                                "text 120 - /nonexistent/ttyX: No such file or directory"}));

    link.Zavri();
    EXPECT_TRUE(TSerial::PortAvailable(7, link.SerialPorts));
}

TEST_F(SerialLinkTest, PortListShowsTheMappedPortOnlyWhileItIsFree)
{
    const auto listed = [this] {
        const auto list = link.InitForm();
        const int index = PortIndex(list, 7);
        return index < 0 ? std::string() : list[static_cast<std::size_t>(index)].text;
    };
    EXPECT_EQ(listed(), "COM 7 (" + pty.slavePath() + ")");
    ASSERT_TRUE(link.Otevri());
    EXPECT_EQ(listed(), "");
}
