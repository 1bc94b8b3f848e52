#include "tools/rxsim/SimProcess.h"
#include "core/link/Checksum.h"
#include "core/text/TextFile.h"
#include "support/LoopbackAddress.h"
#include "support/TempFolder.h"
#include "tools/rxsim/LinkClient.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace vorbix::rxsim::test {
namespace {

using namespace std::chrono_literals;

// Small memories keep the whole-memory transfers short.
const std::vector<std::string> kSmallKv1 = {"--model", "KV1MOD-T", "--mem-end", "13FF", "--erase-block", "256"};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// An open descriptor closed when the object goes.
struct Fd
{
    explicit Fd(int value) : fd(value) {}
    ~Fd()
    {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int fd;
};

int openSerial(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    termios raw{};
    ::tcgetattr(fd, &raw);
    ::cfmakeraw(&raw);
    ::cfsetspeed(&raw, B19200);
    ::tcsetattr(fd, TCSANOW, &raw);
    return fd;
}

// The memory as the control port reports it, in pieces of up to 256 bytes.
std::string controlMemory(int control, unsigned first, unsigned last)
{
    std::string hex;
    for (unsigned a = first; a <= last; a += 256) {
        const unsigned count = std::min(256u, last - a + 1);
        const std::string answer = controlCommand(control, "mem " + link::HexWord(a) + " " + std::to_string(count));
        if (!answer.starts_with("OK ")) {
            return {};
        }
        hex += answer.substr(3);
    }
    return hex;
}

// The plain download: 16-byte reads from MemStart to MemEnd.
bool downloadPlain(LinkClient& link, unsigned memStart, unsigned memEnd, std::string& image)
{
    image.clear();
    for (unsigned p = memStart; p <= memEnd; p += 16) {
        const unsigned n = memEnd > p + 8 ? 16 : memEnd - p;
        std::string data;
        if (!link.readBlock('9', p, n, data)) {
            return false;
        }
        image += data;
    }
    return true;
}

TEST(SimProcessTest, HelpExplainsEveryOption)
{
    std::string help;
    ASSERT_EQ(runSim({"--help"}, help, 5000ms), 0);
    for (const char* option : {"--tcp",          "--pty",         "--baud",         "--model",
                               "--mem-start",    "--mem-end",     "--status-addr",  "--name-addr",
                               "--pass-addr",    "--record-size", "--erase-block",  "--relays",
                               "--serial-digit", "--folder",      "--password",     "--load",
                               "--fill",         "--seed",        "--save-on-exit", "--control",
                               "--events",       "--report",      "--fault-echo",   "--fault-refuse",
                               "--fault-drop",   "--fault-stall", "--fault-close",  "--fault-dump-address",
                               "--log",          "press",         "lowbatt",        "input",
                               "temp",           "relay",         "save",           "quit"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    EXPECT_NE(help.find("--fault-checksum"), std::string::npos);
}

TEST(SimProcessTest, RefusesAddressesOutsideLoopbackAndMissingModelFiles)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--tcp", "192.168.1.1:10001"},
             {"--tcp", "127.0.0.1:0", "--control", "10.0.0.1:7000"},
             {"--tcp", "127.0.0.1:0", "--load", "data.rxd"},
             {"--tcp", "127.0.0.1:0", "--folder", "/nowhere"},
             {"--tcp", "127.0.0.1:0", "--folder", VORBIX_DATA_DIR, "--model", "NOSUCH"},
         }) {
        std::string output;
        EXPECT_EQ(runSim(args, output, 5000ms), 2) << ::testing::PrintToString(args);
        EXPECT_EQ(output.find("READY"), std::string::npos);
    }
}

TEST(SimProcessTest, TcpSessionReadsWritesAndReportsEvents)
{
    SimProcess sim(std::vector<std::string>{"--tcp", "127.0.0.1:0", "--control", "127.0.0.1:0", "--fill", "20",
                                            "--seed", "7", "--password", "abc"} +
                   kSmallKv1);
    ASSERT_TRUE(sim.ready()) << sim.errors();
    Fd line(connectLoopback("127.0.0.1", sim.port("tcp")));
    Fd control(connectLoopback("127.0.0.1", sim.port("control")));
    ASSERT_GE(line.fd, 0);
    ASSERT_GE(control.fd, 0);
    LinkClient link(line.fd, LinkClient::Variant::Tcp);
    link.connectFrame();

    std::string data;
    ASSERT_TRUE(link.readBlock('1', 0x0F00, 16, data));
    EXPECT_EQ(data.substr(0, 20), "100013FF0F400F100F20");
    ASSERT_TRUE(link.readBlock('9', 0x0F10, 16, data));
    EXPECT_EQ(hexToText(data.substr(0, 16)), "KV1MOD-T");
    ASSERT_TRUE(link.readBlock('9', 0x0F20, 16, data));
    EXPECT_EQ(hexToText(data), "abc");

    std::string image;
    ASSERT_TRUE(downloadPlain(link, 0x1000, 0x13FF, image));
    EXPECT_EQ(image, controlMemory(control.fd, 0x1000, 0x13FF));
    std::string dumped;
    int requests = 0;
    link.keepAlive();
    ASSERT_TRUE(link.dumpRead(0x1000, 0x13FF, dumped, requests));
    EXPECT_EQ(dumped, image);
    EXPECT_EQ(requests, 1);

    // Upload: erase phase, then 32-byte writes and a shorter tail.
    for (unsigned a = 0x1000; a <= 0x13FF; a += 256) {
        ASSERT_TRUE(link.posliPrikaz(":0300000401" + link::HexWord(a))) << a;
    }
    EXPECT_EQ(controlMemory(control.fd, 0x1000, 0x13FF), std::string(2 * 0x400, 'F'));
    std::string upload;
    for (unsigned i = 0; i < 100; ++i) {
        upload += link::HexByte(i * 7 + 3);
    }
    unsigned a = 0x1000;
    std::size_t q = 0;
    for (; upload.size() - q >= 64; q += 64, a += 32) {
        ASSERT_TRUE(link.posliPrikaz(":20" + link::HexWord(a) + "00" + upload.substr(q, 64)));
    }
    ASSERT_TRUE(link.posliPrikaz(":" + link::HexByte(static_cast<unsigned>((upload.size() - q) / 2)) +
                                 link::HexWord(a) + "00" + upload.substr(q)));
    EXPECT_EQ(controlMemory(control.fd, 0x1000, 0x1063), upload);

    // Password write, read back as the login reads it.
    ASSERT_TRUE(link.posliPrikaz(":100F200A58595A" + std::string(26, '0')));
    ASSERT_TRUE(link.readBlock('9', 0x0F20, 16, data));
    EXPECT_EQ(hexToText(data), "XYZ");

    // Relay on: accepted, then the receiver reports the relays with 'O' + relay byte.
    ASSERT_TRUE(link.posliPrikaz(":0600000B010100001000"));
    EXPECT_EQ(link.drain(300ms), "O\x01");

    // An event for the transmitter in slot 1 (its serial digits from the memory).
    const std::string serial = upload.substr(24, 5);
    EXPECT_TRUE(controlCommand(control.fd, "press 02" + serial + " 4").starts_with("OK "));
    char c = 0;
    ASSERT_TRUE(link.readChar(c, 1000ms));
    EXPECT_EQ(c, 'U');
    std::string rest;
    ASSERT_TRUE(link.prijemDat(9, rest));
    EXPECT_EQ(rest, "402" + serial + "0");
    ASSERT_TRUE(link.readBlock('7', 0x0F40, 16, data));
    EXPECT_EQ(data.substr(0, 8), "402" + serial);
    EXPECT_EQ(data.substr(16, 8), "00000101") << "battery 00, slot 0001, relay 1 on";

    EXPECT_EQ(controlCommand(control.fd, "quit"), "OK bye");
    EXPECT_EQ(sim.waitExit(3000ms), 0);
}

TEST(SimProcessTest, SecondClientIsServedAfterTheFirstLeaves)
{
    SimProcess sim({"--tcp", "127.0.0.1:0"});
    ASSERT_TRUE(sim.ready()) << sim.errors();
    std::string data;
    for (int client = 0; client < 2; ++client) {
        Fd line(connectLoopback("127.0.0.1", sim.port("tcp")));
        LinkClient link(line.fd, LinkClient::Variant::Tcp);
        link.connectFrame();
        EXPECT_TRUE(link.readBlock('1', 0x0F00, 16, data)) << client;
    }
    EXPECT_EQ(sim.terminate(), 0);
}

// Waits at most 1 s for the peer to close the connection.
bool closedByPeer(int fd)
{
    const auto end = std::chrono::steady_clock::now() + 1s;
    char buffer[256];
    while (std::chrono::steady_clock::now() < end) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 50) > 0 && ::recv(fd, buffer, sizeof buffer, 0) <= 0) {
            return true;
        }
    }
    return false;
}

TEST(SimProcessTest, ControlStallsTheReceiverAndDropsTheGateway)
{
    SimProcess sim({"--tcp", "127.0.0.1:0", "--control", "127.0.0.1:0"});
    ASSERT_TRUE(sim.ready()) << sim.errors();
    Fd control(connectLoopback("127.0.0.1", sim.port("control")));
    std::string data;
    {
        Fd line(connectLoopback("127.0.0.1", sim.port("tcp")));
        LinkClient link(line.fd, LinkClient::Variant::Tcp, false, 100ms);
        link.connectFrame();
        EXPECT_EQ(controlCommand(control.fd, "stall on"), "OK stall on");
        EXPECT_FALSE(link.readBlock('1', 0x0F00, 16, data));
        EXPECT_EQ(controlCommand(control.fd, "stall off"), "OK stall off");
        EXPECT_TRUE(link.readBlock('1', 0x0F00, 16, data));
        EXPECT_EQ(controlCommand(control.fd, "drop 600"), "OK dropped, refusing clients for 600 ms");
        EXPECT_TRUE(closedByPeer(line.fd));
    }
    const auto dropped = std::chrono::steady_clock::now();
    {
        Fd refused(connectLoopback("127.0.0.1", sim.port("tcp")));
        ASSERT_GE(refused.fd, 0) << "the connect itself completes";
        EXPECT_TRUE(closedByPeer(refused.fd));
    }
    std::this_thread::sleep_until(dropped + 700ms);
    Fd line(connectLoopback("127.0.0.1", sim.port("tcp")));
    LinkClient link(line.fd, LinkClient::Variant::Tcp);
    link.connectFrame();
    EXPECT_TRUE(link.readBlock('1', 0x0F00, 16, data));
    EXPECT_EQ(controlCommand(control.fd, "drop x"), "ERR expected: drop [MS] (MS decimal, at most 999999)");
    EXPECT_EQ(sim.terminate(), 0);
}

class SimPtyTest : public ::testing::Test
{
protected:
    vorbix::test::TempFolder m_folder;
    std::string m_link = m_folder.file("ttyRx");
};

TEST_F(SimPtyTest, PlainAndDumpVariantsOverAPseudoTerminal)
{
    const std::string saved = m_folder.file("saved.rxd");
    SimProcess sim(
        {"--pty", m_link, "--model", "KV8MOD-T", "--mem-end", "17FF", "--fill", "5", "--save-on-exit", saved});
    ASSERT_TRUE(sim.ready()) << sim.errors();
    Fd serial(openSerial(m_link));
    ASSERT_GE(serial.fd, 0) << m_link;

    LinkClient plain(serial.fd, LinkClient::Variant::Plain);
    std::string data;
    ASSERT_TRUE(plain.readBlock('1', 0x0F00, 16, data));
    EXPECT_EQ(data.substr(0, 8), "100017FF");
    ASSERT_TRUE(plain.readBlock('9', 0x0F10, 16, data));
    EXPECT_EQ(hexToText(data.substr(0, 16)), "KV8MOD-T");
    std::string image;
    ASSERT_TRUE(downloadPlain(plain, 0x1000, 0x17FF, image));
    EXPECT_NE(image.substr(0, 64), std::string(64, 'F'));
    EXPECT_EQ(image.substr(5 * 64), std::string(image.size() - 5 * 64, 'F'));

    // The relay examples of the direct control page, with their checksums.
    ASSERT_TRUE(plain.posliPrikaz(":0600000B050100001000"));
    EXPECT_EQ(plain.drain(300ms), "\nO\x05") << "after the plain send: the status line's LF and the report";
    ASSERT_TRUE(plain.posliPrikaz(":0600000B0203000F1000"));
    const std::string reports = plain.drain(2500ms);
    EXPECT_EQ(reports, std::string("\nO\x07O\x05", 5)) << "on for the pulse, off again after 1.5 s";

    LinkClient dump(serial.fd, LinkClient::Variant::Dump);
    std::string dumped;
    int requests = 0;
    ASSERT_TRUE(dump.dumpRead(0x1000, 0x17FF, dumped, requests));
    EXPECT_EQ(dumped, image);
    ASSERT_TRUE(dump.posliPrikaz(":0300000401" + std::string("1000")));
    ASSERT_TRUE(dump.posliPrikaz(":04100000CAFEBABE"));
    ASSERT_TRUE(plain.readBlock('9', 0x1000, 16, data));
    EXPECT_EQ(data, "CAFEBABE" + std::string(24, 'F'));

    EXPECT_EQ(sim.terminate(), 0);
    EXPECT_FALSE(text::fileExists(m_link)) << "the link goes with the simulator";
    std::vector<std::string> lines;
    ASSERT_TRUE(text::readLines(saved, lines));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "KV8MOD-T");
    EXPECT_EQ(lines[1], "64");
    EXPECT_EQ(lines[2].substr(0, 8), "CAFEBABE");
    EXPECT_EQ(lines[3], "1   0#####");
    EXPECT_EQ(lines[4], "x0 -");
}

TEST_F(SimPtyTest, PlainVariantSeesARefusalAsError5)
{
    const std::string log = m_folder.file("rxsim.log");
    SimProcess sim({"--pty", m_link, "--fault-refuse", "1", "--log", log});
    ASSERT_TRUE(sim.ready()) << sim.errors();
    Fd serial(openSerial(m_link));
    LinkClient plain(serial.fd, LinkClient::Variant::Plain);
    ASSERT_TRUE(plain.posliPrikaz(":03000004011000"));
    EXPECT_EQ(plain.attemptErrors(), (std::vector<int>{5, 0}));
    ASSERT_EQ(sim.terminate(), 0);
    std::string logged;
    ASSERT_TRUE(text::readFile(log, logged));
    EXPECT_NE(logged.find("record :03000004011000E8 checksum ok: fault, write 1 refused -> R"), std::string::npos)
        << logged;
    EXPECT_NE(logged.find("record :03000004011000E8 checksum ok: erased 1000-17FF -> K"), std::string::npos);
}

TEST_F(SimPtyTest, EventScriptReportsOnTheLine)
{
    const std::string script = m_folder.write("events.txt", "# demo\nsleep 200\ntemp B000001 5118\nrelay 01\n");
    SimProcess sim({"--pty", m_link, "--events", script});
    ASSERT_TRUE(sim.ready()) << sim.errors();
    Fd serial(openSerial(m_link));
    LinkClient plain(serial.fd, LinkClient::Variant::Plain);
    EXPECT_EQ(plain.drain(1000ms), "U0B0000010O\x01");
    std::string data;
    ASSERT_TRUE(plain.readBlock('7', 0x0F40, 16, data));
    EXPECT_EQ(data.substr(1, 15), "B00000100005118");
}

TEST(SimProcessTest, FramedModeOnPort5000)
{
    const std::string address = vorbix::test::uniqueLoopbackAddress();
    SimProcess sim({"--tcp", address + ":5000", "--control", address + ":0"});
    ASSERT_TRUE(sim.ready()) << sim.errors();
    EXPECT_NE(sim.readyLine().find("framed"), std::string::npos);
    Fd line(connectLoopback(address, 5000));
    Fd control(connectLoopback(address, sim.port("control")));
    LinkClient link(line.fd, LinkClient::Variant::Tcp, true);
    link.connectFrame();
    std::string data;
    ASSERT_TRUE(link.readBlock('1', 0x0F00, 16, data));
    EXPECT_EQ(data.substr(0, 4), "1000");
    link.keepAlive();
    ASSERT_TRUE(link.posliPrikaz(":20100000" + std::string(64, '5')));
    EXPECT_EQ(controlMemory(control.fd, 0x1000, 0x101F), std::string(64, '5'));
    // Frames with the wrong length never reach the receiver.
    link.sendRaw(std::string("\x09\x00\x06\x00\x03UUU", 8));
    EXPECT_EQ(link.drain(300ms), "");
}

// Each fault over TCP, as the link layer's tests will meet it.
struct FaultCase
{
    const char* option;
    const char* count;
    void (*check)(LinkClient& link, int lineFd);
};

class SimFaultProcessTest : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(SimFaultProcessTest, FaultShowsOnTheLine)
{
    const FaultCase& c = GetParam();
    SimProcess sim(std::vector<std::string>{"--tcp", "127.0.0.1:0", c.option, c.count, "--seed", "4"} + kSmallKv1);
    ASSERT_TRUE(sim.ready()) << sim.errors();
    Fd line(connectLoopback("127.0.0.1", sim.port("tcp")));
    LinkClient link(line.fd, LinkClient::Variant::Tcp);
    link.connectFrame();
    c.check(link, line.fd);
}

INSTANTIATE_TEST_SUITE_P(Faults, SimFaultProcessTest,
                         ::testing::Values(FaultCase{"--fault-echo", "1",
                                                     [](LinkClient& link, int) {
                                                         ASSERT_TRUE(link.posliPrikaz(":03000004011000"));
                                                         EXPECT_EQ(link.attemptErrors(), (std::vector<int>{3, 0}));
                                                     }},
                                           FaultCase{"--fault-refuse", "1",
                                                     [](LinkClient& link, int) {
                                                         // Over TCP the 'R' is skipped and the send runs out of
                                                         // characters.
                                                         ASSERT_TRUE(link.posliPrikaz(":03000004011000"));
                                                         EXPECT_EQ(link.attemptErrors(), (std::vector<int>{2, 0}));
                                                     }},
                                           FaultCase{"--fault-drop", "1",
                                                     [](LinkClient& link, int) {
                                                         std::string data;
                                                         ASSERT_TRUE(link.readBlock('1', 0x0F00, 16, data));
                                                         EXPECT_EQ(data.substr(0, 4), "1000");
                                                     }},
                                           FaultCase{"--fault-stall", "1",
                                                     [](LinkClient& link, int) {
                                                         ASSERT_TRUE(link.posliPrikaz(":03000004011000"));
                                                         EXPECT_FALSE(link.posliPrikaz(":03000004011000"));
                                                         EXPECT_EQ(link.attemptErrors(), (std::vector<int>{1, 1}));
                                                     }},
                                           FaultCase{"--fault-close", "10",
                                                     [](LinkClient& link, int fd) {
                                                         EXPECT_FALSE(link.posliPrikaz(":03000004011000"));
                                                         char c = 0;
                                                         EXPECT_LE(::read(fd, &c, 1), 0) << "the connection is closed";
                                                     }},
                                           FaultCase{"--fault-dump-address", "2",
                                                     [](LinkClient& link, int) {
                                                         std::string image;
                                                         int requests = 0;
                                                         ASSERT_TRUE(link.dumpRead(0x1000, 0x13FF, image, requests));
                                                         EXPECT_EQ(requests, 2)
                                                             << "the second line breaks the first dump off";
                                                         EXPECT_EQ(image, std::string(2 * 0x400, 'F'));
                                                     }}),
                         [](const ::testing::TestParamInfo<FaultCase>& param) {
                             std::string name = std::string(param.param.option).substr(8);
                             std::erase(name, '-');
                             return name;
                         });

} // namespace
} // namespace vorbix::rxsim::test
