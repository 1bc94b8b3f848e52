#include "core/link/IcmpEcho.h"
#include "core/base/Clock.h"

#include <gtest/gtest.h>

using namespace vorbix::link;
using std::chrono::milliseconds;

TEST(IcmpEchoTest, LoopbackAnswers)
{
    int pumped = 0;
    const PingResult result =
        PingOnce("127.0.0.1", milliseconds(2000), vorbix::Clock::system(), [&pumped] { ++pumped; });
    if (result == PingResult::NotPermitted) {
        GTEST_SKIP() << "neither ICMP datagram nor raw sockets are permitted here";
    }
    EXPECT_EQ(result, PingResult::Reply);
}

TEST(IcmpEchoTest, AddressThatIsNotDottedGetsNoReply)
{
    EXPECT_EQ(PingOnce("127.0.0", milliseconds(100), vorbix::Clock::system()), PingResult::NoReply);
    EXPECT_EQ(PingOnce("localhost", milliseconds(100), vorbix::Clock::system()), PingResult::NoReply);
}
