#include "LinkFixture.h"
#include "PeerThread.h"

#include "core/link/Checksum.h"
#include "support/LoopbackAddress.h"

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace vorbix::link;
using namespace vorbix::link::test;
using std::chrono::milliseconds;

namespace {

const std::string kConnectFrame("\x04\x00\x07\x00", 4);

// A listening socket on a loopback address; port 0 picks a free one.
class Listener
{
public:
    Listener(const char* address, int port, int backlog = 4)
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const int on = 1;
        ::setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_port = htons(static_cast<uint16_t>(port));
        ::inet_pton(AF_INET, address, &at.sin_addr);
        if (::bind(m_fd, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0 || ::listen(m_fd, backlog) != 0) {
            ::close(m_fd);
            m_fd = -1;
            return;
        }
        socklen_t length = sizeof at;
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&at), &length);
        m_port = ntohs(at.sin_port);
    }
    ~Listener()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    bool valid() const { return m_fd >= 0; }
    std::string port() const { return std::to_string(m_port); }

    // The connection the link made (the connect completed in the backlog already).
    int accept()
    {
        pollfd pfd{m_fd, POLLIN, 0};
        return ::poll(&pfd, 1, 2000) > 0 ? ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC) : -1;
    }

private:
    int m_fd = -1;
    int m_port = 0;
};

// Splits what the gateway receives into frames as long as `framed` says so; the first frame, the
// connect frame, comes in every mode. Frames are logged; pass-through payloads go on.
struct GatewayFrames
{
    bool framed = false;
    std::vector<std::string> frames;

    std::string unwrap(std::string& pending)
    {
        std::string payload;
        while (pending.size() >= 4 && (framed || frames.empty())) {
            const auto length = static_cast<std::size_t>(static_cast<unsigned char>(pending[0]));
            if (pending.size() < length) {
                break;
            }
            frames.push_back(pending.substr(0, length));
            if (pending[2] == '\x06') {
                payload += pending.substr(5, length - 5);
            }
            pending.erase(0, length);
        }
        if (!framed && !frames.empty()) {
            payload += pending;
            pending.clear();
        }
        return payload;
    }
};

class TcpLinkTest : public ::testing::Test
{
protected:
    TcpLinkTest()
    {
        link.Settings.ConnectionType = ConnectionKind::TcpIp;
        link.Settings.IPAddress = "127.0.0.1";
        LinkTimings timings;
        timings.tcpCharTimeout = milliseconds(300);
        timings.retryPause = milliseconds(5);
        timings.afterConnectFrame = milliseconds(1);
        timings.afterTcpClose = milliseconds(1);
        timings.connectWait = milliseconds(2000);
        link.setTimings(timings);
        link.setErrorSink([this](const std::string& message) { errors.push_back(message); });
        link.setPinger([](const std::string&) { return PingResult::Reply; });
    }
    ~TcpLinkTest() override
    {
        peer.reset();
        if (connection >= 0) {
            ::close(connection);
        }
    }

    // Opens the link to `listener` and puts the receiver behind the accepted connection.
    void connect(Listener& listener, bool framed)
    {
        link.Settings.IPPort = listener.port();
        ASSERT_TRUE(link.Otevri());
        connection = listener.accept();
        ASSERT_GE(connection, 0);
        gateway->framed = framed;
        auto frames = gateway;
        peer = std::make_unique<PeerThread>(connection,
                                            [frames](std::string& pending) { return frames->unwrap(pending); });
    }

    // Waits (at most 2 s) until the gateway has received `count` bytes.
    void waitForBytes(std::size_t count)
    {
        for (int i = 0; i < 200 && peer->with([](FakeReceiver& r) { return r.received.size(); }) < count; ++i) {
            ::poll(nullptr, 0, 10);
        }
    }

    // Ends the connection from the gateway's side, with a reset or an orderly close.
    void dropConnection(bool reset)
    {
        peer.reset();
        if (reset) {
            const linger noLinger{1, 0};
            ::setsockopt(connection, SOL_SOCKET, SO_LINGER, &noLinger, sizeof noLinger);
        }
        ::close(connection);
        connection = -1;
    }

    vorbix::PopisType texts = numberedTexts();
    TKomunikace link{texts};
    std::vector<std::string> errors;
    std::shared_ptr<GatewayFrames> gateway = std::make_shared<GatewayFrames>();
    std::unique_ptr<PeerThread> peer;
    int connection = -1;
};

} // namespace

TEST_F(TcpLinkTest, RawPortSendsConnectFrameThenPlainBlocks)
{
    link.setPinger({}); // the real ICMP echo, to 127.0.0.1
    Listener listener("127.0.0.1", 0);
    ASSERT_TRUE(listener.valid());
    connect(listener, false);
    EXPECT_EQ(link.ConnectionText(), "IP 127.0.0.1:" + listener.port());

    ASSERT_TRUE(link.PosliPrikaz(kStatusRead));
    std::string reply;
    ASSERT_TRUE(link.PrijemDat(40, reply));
    EXPECT_EQ(reply.substr(0, 5), "0100 ");
    link.KeepAlive();
    EXPECT_TRUE(link.IsOpen());

    const std::string expected = "UUU" + kStatusRead + Checksum(kStatusRead) + "\r\n" + "S";
    waitForBytes(expected.size());
    peer->stop();
    EXPECT_EQ(gateway->frames, std::vector<std::string>{kConnectFrame});
    EXPECT_EQ(peer->receiver().received, expected);
    EXPECT_TRUE(errors.empty());
}

TEST_F(TcpLinkTest, Port5000FramesCommandsAndKeepAlive)
{
    const std::string address = vorbix::test::uniqueLoopbackAddress();
    Listener listener(address.c_str(), 5000);
    ASSERT_TRUE(listener.valid()) << address << ":5000";
    link.Settings.IPAddress = address;
    connect(listener, true);
    ASSERT_TRUE(link.PosliPrikaz(kErase));
    link.KeepAlive();
    const std::string message = "UUU" + kErase + Checksum(kErase);
    waitForBytes(message.size() + 1);
    peer->stop();

    const std::string header{static_cast<char>(message.size() + 5), '\0', '\x06', '\0',
                             static_cast<char>(message.size())};
    EXPECT_EQ(gateway->frames,
              (std::vector<std::string>{kConnectFrame, header + message, std::string("\x06\x00\x06\x00\x01S", 6)}));
    EXPECT_EQ(peer->receiver().records.size(), 1u);
}

TEST_F(TcpLinkTest, ReceiveBufferKeepsEverythingThatArrivedUnread)
{
    Listener listener("127.0.0.1", 0);
    ASSERT_TRUE(listener.valid());
    connect(listener, false);
    peer->stop();
    std::string sent;
    for (int i = 0; i < 10000; ++i) {
        sent += static_cast<char>('0' + i % 10);
    }
    ASSERT_EQ(::write(connection, sent.data(), 6000), 6000);
    ::poll(nullptr, 0, 20); // let the first block arrive on its own
    ASSERT_EQ(::write(connection, sent.data() + 6000, 4000), 4000);
    std::string text;
    ASSERT_TRUE(link.PrijemDat(10000, text));
    EXPECT_EQ(text, sent);
}

TEST_F(TcpLinkTest, DroppedConnectionEndsTheWaitAndTheLink)
{
    struct Case
    {
        bool reset;
        std::vector<std::string> messages;
    } cases[] = {
        {true, {"Disconnected, error #" + std::to_string(ECONNRESET)}},
        {false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reset);
        errors.clear();
        *gateway = GatewayFrames();
        Listener listener("127.0.0.1", 0);
        ASSERT_TRUE(listener.valid());
        connect(listener, false);
        ASSERT_TRUE(link.PosliPrikaz(kErase));
        dropConnection(c.reset);

        std::string text;
        EXPECT_FALSE(link.PrijemDat(10, text));
        EXPECT_EQ(errors, c.messages);
        EXPECT_FALSE(link.PosliPrikaz(kErase));
        EXPECT_EQ(errors.back(), "text 121");
        EXPECT_TRUE(link.IsOpen());
        link.KeepAlive();
        EXPECT_FALSE(link.IsOpen());
    }
}

TEST_F(TcpLinkTest, ClosingResetsTheConnectionAtOnce)
{
    Listener listener("127.0.0.1", 0);
    ASSERT_TRUE(listener.valid());
    connect(listener, false);
    peer->stop();
    link.Zavri();
    EXPECT_FALSE(link.IsOpen());
    char buffer[16];
    pollfd pfd{connection, POLLIN, 0};
    ASSERT_GT(::poll(&pfd, 1, 2000), 0);
    ssize_t n = 0;
    do {
        n = ::read(connection, buffer, sizeof buffer); // the connect frame, then the reset
    } while (n > 0);
    EXPECT_EQ(n, -1);
    EXPECT_EQ(errno, ECONNRESET);
}

TEST_F(TcpLinkTest, ConnectFailuresShowTheirTexts)
{
    int freePort = 0;
    {
        Listener unused("127.0.0.1", 0);
        freePort = std::stoi(unused.port());
    }
    struct Case
    {
        const char* name;
        std::string address;
        std::string port;
        PingResult ping;
        std::vector<std::string> messages;
    } cases[] = {
        {"no echo", "127.0.0.3", "10001", PingResult::NoReply, {"Can't connect to 127.0.0.3"}},
        // One message each: the reason the system gave, and the address tried.
        {"echo not permitted",
         "127.0.0.1",
         std::to_string(freePort),
         PingResult::NotPermitted,
         {"Can't connect: Connection refused (127.0.0.1:" + std::to_string(freePort) + ")"}},
        {"refused",
         "127.0.0.1",
         std::to_string(freePort),
         PingResult::Reply,
         {"Can't connect: Connection refused (127.0.0.1:" + std::to_string(freePort) + ")"}},
        {"bad address", "127.0.0", "10001", PingResult::Reply, {"Can't connect: Not an IPv4 address (127.0.0:10001)"}},
        {"bad port", "127.0.0.1", "port", PingResult::Reply, {"Can't connect: Not a port number (127.0.0.1:port)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        errors.clear();
        link.Settings.IPAddress = c.address;
        link.Settings.IPPort = c.port;
        const PingResult ping = c.ping;
        link.setPinger([ping](const std::string&) { return ping; });
        EXPECT_FALSE(link.Otevri());
        EXPECT_FALSE(link.IsOpen());
        EXPECT_EQ(errors, c.messages);
    }
}

TEST_F(TcpLinkTest, ConnectThatNeverCompletesEndsAfterTheWait)
{
    // With its accept queue full, the listener leaves further connects unanswered.
    Listener listener("127.0.0.1", 0, 0);
    ASSERT_TRUE(listener.valid());
    std::vector<int> fillers;
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_port = htons(static_cast<uint16_t>(std::stoi(listener.port())));
    ::inet_pton(AF_INET, "127.0.0.1", &at.sin_addr);
    for (int i = 0; i < 4; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        ::connect(fd, reinterpret_cast<sockaddr*>(&at), sizeof at);
        fillers.push_back(fd);
    }
    ::poll(nullptr, 0, 50);

    LinkTimings timings;
    timings.connectWait = milliseconds(200);
    link.setTimings(timings);
    link.Settings.IPPort = listener.port();
    EXPECT_FALSE(link.Otevri());
    EXPECT_EQ(errors,
              std::vector<std::string>{"Can't connect: Connection timed out (127.0.0.1:" + listener.port() + ")"});
    for (int fd : fillers) {
        ::close(fd);
    }
}

// The owner's keep-alive runs while a worker sends: it must wait its turn, never cut into a
// command.
TEST_F(TcpLinkTest, KeepAliveFromTheOwnerNeverSplitsAWorkersCommand)
{
    Listener listener("127.0.0.1", 0);
    ASSERT_TRUE(listener.valid());
    connect(listener, false);
    std::atomic<bool> done{false};
    int sent = 0;
    std::thread worker([&] {
        for (int i = 0; i < 40; ++i) {
            sent += link.PosliPrikaz(kErase) ? 1 : 0;
        }
        done = true;
    });
    int keepAlives = 0;
    while (!done) {
        link.KeepAlive();
        ++keepAlives;
        ::poll(nullptr, 0, 1);
    }
    worker.join();
    peer->stop();
    EXPECT_EQ(sent, 40);
    EXPECT_GT(keepAlives, 0);
    const auto& records = peer->receiver().records;
    EXPECT_EQ(records.size(), 40u);
    for (const auto& record : records) {
        EXPECT_EQ(record, kErase + Checksum(kErase));
    }
}
