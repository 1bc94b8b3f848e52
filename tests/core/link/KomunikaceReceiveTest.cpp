#include "LinkFixture.h"

using namespace vorbix::link;
using namespace vorbix::link::test;
using std::chrono::milliseconds;

using LinkReceiveTest = LinkFixture;

TEST_F(LinkReceiveTest, PrijemDatGivesUpAfterOneCharacterTimeOutWithAnEmptyText)
{
    struct Case
    {
        int type;
        milliseconds timeOut;
    } cases[] = {{0, milliseconds(500)}, {1, milliseconds(3000)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        transport = nullptr;
        link.Zavri();
        open(c.type);
        transport->inject("AB");
        const auto start = clock.now();
        std::string text = "old";
        EXPECT_FALSE(link.PrijemDat(3, text));
        EXPECT_EQ(text, "");
        // The time-out bounds each character, not the whole reply.
        EXPECT_EQ(elapsedSince(start), c.timeOut);
    }
}

TEST_F(LinkReceiveTest, PrijemDatCollectsExactlyTheCount)
{
    open(0);
    transport->inject("0123456789");
    std::string text;
    ASSERT_TRUE(link.PrijemDat(4, text));
    EXPECT_EQ(text, "0123");
    ASSERT_TRUE(link.PrijemDat(6, text));
    EXPECT_EQ(text, "456789");
    ASSERT_TRUE(link.PrijemDat(0, text));
    EXPECT_EQ(text, "");
}

TEST_F(LinkReceiveTest, JeEchoTakesOneWaitingCharacterAndNeverWaits)
{
    open(0);
    char c = 'x';
    const auto start = clock.now();
    EXPECT_FALSE(link.JeEcho(c));
    EXPECT_EQ(c, 0);
    EXPECT_EQ(elapsedSince(start), milliseconds(0));
    transport->inject("RO");
    ASSERT_TRUE(link.JeEcho(c));
    EXPECT_EQ(c, 'R');
    ASSERT_TRUE(link.JeEcho(c));
    EXPECT_EQ(c, 'O');
    EXPECT_FALSE(link.JeEcho(c));
}

// After a spontaneous 'O' the relay byte is read with PrijemDat(1): a receiver that never sends
// it cannot hold the on-line mode for longer than one character time-out.
TEST_F(LinkReceiveTest, MissingRelayByteAfterOEndsWithinTheTimeOut)
{
    open(0);
    transport->inject("O");
    char c = 0;
    ASSERT_TRUE(link.JeEcho(c));
    const auto start = clock.now();
    std::string relay;
    EXPECT_FALSE(link.PrijemDat(1, relay));
    EXPECT_EQ(elapsedSince(start), milliseconds(500));
}

TEST_F(LinkReceiveTest, BytesThatArriveInPiecesAreAllKept)
{
    open(1);
    std::string expected;
    for (int block = 0; block < 3; ++block) {
        const std::string piece(3000, static_cast<char>('a' + block));
        transport->inject(piece);
        expected += piece;
    }
    std::string text;
    ASSERT_TRUE(link.PrijemDat(static_cast<int>(expected.size()), text));
    EXPECT_EQ(text, expected);
}

TEST_F(LinkReceiveTest, KeepAliveIsFramedExactlyWhenTheConnectedPortIs5000)
{
    struct Case
    {
        const char* portText;
        int remotePort;
        std::string sent;
    } cases[] = {
        {"10001", 10001, "S"},
        {"5000", 5000, std::string("\x06\x00\x06\x00\x01S", 6)},
        // The port it is connected to decides, as for commands, not how the setting spells it.
        {"05000", 5000, std::string("\x06\x00\x06\x00\x01S", 6)},
        {"5000", 10001, "S"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.portText);
        transport = nullptr;
        link.Zavri();
        link.Settings.IPPort = c.portText;
        open(1, false, c.remotePort);
        link.KeepAlive();
        EXPECT_EQ(transport->blocks, std::vector<std::string>{c.sent});
        EXPECT_TRUE(link.IsOpen());
    }
}

TEST_F(LinkReceiveTest, KeepAliveClosesTheLinkWhenTheConnectionIsGone)
{
    open(1);
    transport->connected = false;
    link.KeepAlive();
    EXPECT_FALSE(link.IsOpen());
    EXPECT_TRUE(errors.empty());
}

TEST_F(LinkReceiveTest, KeepAliveDoesNothingOnSerialOrDuringACommand)
{
    open(0);
    link.KeepAlive();
    EXPECT_TRUE(transport->blocks.empty());

    transport = nullptr;
    link.Zavri();
    open(1);
    receiver.faults = {'C'};
    link.setPump([this] { link.KeepAlive(); });
    ASSERT_TRUE(link.PosliPrikaz(":0300000401"
                                 "0F00"));
    for (const auto& block : transport->blocks) {
        EXPECT_NE(block, "S");
    }
}

TEST_F(LinkReceiveTest, ClosingTwiceAndOpeningAnUnknownTypeDoNothing)
{
    link.Zavri();
    link.Zavri();
    EXPECT_FALSE(link.IsOpen());
    link.Settings.ConnectionType = static_cast<ConnectionKind>(2);
    EXPECT_FALSE(link.Otevri());
    EXPECT_TRUE(errors.empty());

    open(0);
    EXPECT_FALSE(link.Otevri()) << "already open";
    EXPECT_TRUE(link.IsOpen());
}

TEST_F(LinkReceiveTest, ConnectionTextFollowsTheSettings)
{
    EXPECT_EQ(link.ConnectionText(), "COM 1:9600");
    link.Settings.ComNumber = 3;
    link.Settings.ComSpeed = 19200;
    EXPECT_EQ(link.ConnectionText(), "COM 1:9600");
    link.NastavIni();
    EXPECT_EQ(link.ConnectionText(), "COM 3:19200");
    link.Settings.ConnectionType = ConnectionKind::TcpIp;
    link.Settings.IPAddress = "127.0.0.2";
    link.Settings.IPPort = "5000";
    link.NastavIni();
    EXPECT_EQ(link.ConnectionText(), "IP 127.0.0.2:5000");
}
