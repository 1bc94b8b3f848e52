#include "core/link/ConnectionSettings.h"

#include <gtest/gtest.h>

using namespace vorbix::link;

TEST(ConnectionSettingsTest, DefaultsAndTexts)
{
    ConnectionSettings s;
    EXPECT_EQ(s.ConnectionType, ConnectionKind::ComPort);
    EXPECT_EQ(s.ComNumber, 1);
    EXPECT_EQ(s.ComSpeed, 9600);
    EXPECT_EQ(s.IPAddress, "192.168.1.1");
    EXPECT_EQ(s.IPPort, "10001");
    EXPECT_FALSE(s.DumpRead);
    EXPECT_EQ(ConnectionText(s), "COM 1:9600");

    s.ComNumber = 3;
    s.ComSpeed = 19200;
    EXPECT_EQ(ConnectionText(s), "COM 3:19200");
    s.ConnectionType = ConnectionKind::TcpIp;
    EXPECT_EQ(ConnectionText(s), "IP 192.168.1.1:10001");
}
