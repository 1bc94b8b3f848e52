#include "PseudoTerminal.h"

#include "core/link/Serial.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <termios.h>

using namespace vorbix::link;
using namespace vorbix::link::test;

namespace {

class SerialTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!pty.valid()) {
            GTEST_SKIP() << "no pseudo-terminal available";
        }
        ports[7] = pty.slavePath();
    }

    // Waits until the port has `count` bytes queued (or a second passed).
    static void waitForBytes(const TSerial& port, int count)
    {
        for (int i = 0; i < 100 && port.BytesWaiting() < count; ++i) {
            ::poll(nullptr, 0, 10);
        }
    }

    PseudoTerminal pty;
    SerialPortMap ports;
};

} // namespace

TEST(SerialDevicePathTest, ComNumberIsTtySUnlessMapped)
{
    const SerialPortMap ports{{3, "/dev/ttyUSB0"}, {4, ""}};
    EXPECT_EQ(SerialDevicePath(1, ports), "/dev/ttyS0");
    EXPECT_EQ(SerialDevicePath(3, ports), "/dev/ttyUSB0");
    EXPECT_EQ(SerialDevicePath(4, ports), "/dev/ttyS3");
}

TEST_F(SerialTest, MissingDeviceRaisesWithTheDeviceInTheMessage)
{
    ports[9] = "/nonexistent/ttyX";
    try {
        TSerial port(9, 9600, ports);
        FAIL() << "opened a missing device";
    } catch (const TSerialException& e) {
        EXPECT_STREQ(e.what(), "Port /nonexistent/ttyX n\xEDn\xED k dispozici");
    }
    EXPECT_FALSE(TSerial::PortAvailable(9, ports));
}

TEST_F(SerialTest, PortIsHeldExclusivelyUntilClosed)
{
    EXPECT_TRUE(TSerial::PortAvailable(7, ports));
    {
        TSerial first(7, 19200, ports);
        EXPECT_THROW(TSerial(7, 19200, ports), TSerialException);
        EXPECT_FALSE(TSerial::PortAvailable(7, ports));
    }
    EXPECT_TRUE(TSerial::PortAvailable(7, ports));
    TSerial again(7, 19200, ports);
}

TEST_F(SerialTest, BytesTravelBothWaysAndPurgeDropsThem)
{
    TSerial port(7, 57600, ports);
    port.SetDtr(false); // a pseudo-terminal has no modem lines; this must not fail
    port.SetRts(true);

    ASSERT_TRUE(port.WriteByte(':'));
    ASSERT_TRUE(port.WriteByte(0xAA));
    EXPECT_EQ(pty.readMaster(1000), ":\xAA");

    pty.writeMaster("U\r\n");
    waitForBytes(port, 3);
    EXPECT_EQ(port.BytesWaiting(), 3);
    unsigned char byte = 0;
    ASSERT_TRUE(port.ReadByte(byte));
    EXPECT_EQ(byte, 'U');
    port.PurgeInput();
    EXPECT_EQ(port.BytesWaiting(), 0);
}

TEST_F(SerialTest, LineSettingsAreRaw8N1AtTheRequestedSpeed)
{
    TSerial port(7, 2400, ports);
    termios tio{};
    ASSERT_EQ(::tcgetattr(port.Handle, &tio), 0);
    EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B2400));
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(port.speed(), 2400);
    for (int baud : {4800, 9600, 19200, 28800, 38400, 57600}) {
        EXPECT_TRUE(port.SetBaudRate(baud));
        EXPECT_EQ(port.speed(), baud);
    }
    EXPECT_FALSE(port.SetBaudRate(0));
}

TEST_F(SerialTest, ReadByteOnAnEmptyQueueGivesUpInsteadOfBlocking)
{
    TSerial port(7, 9600, ports);
    unsigned char byte = 0;
    EXPECT_FALSE(port.ReadByte(byte));
}

TEST_F(SerialTest, WritingToADeviceThatStopsReadingGivesUp)
{
    TSerial port(7, 57600, ports);
    const std::string block(4096, 'U');
    bool stalled = false;
    // Nobody reads the other side: the queues fill up, and then a write must fail, not block.
    for (int i = 0; i < 1024 && !stalled; ++i) {
        stalled = port.WriteBytes(block.data(), static_cast<int>(block.size())) < static_cast<int>(block.size());
    }
    EXPECT_TRUE(stalled);
}
