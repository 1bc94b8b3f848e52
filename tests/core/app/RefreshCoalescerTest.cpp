#include "core/app/RefreshCoalescer.h"

#include <gtest/gtest.h>

using vorbix::app::RefreshCoalescer;

TEST(RefreshCoalescerTest, RequestsWhileIdleGiveOneRun)
{
    RefreshCoalescer c;
    EXPECT_TRUE(c.request());
    EXPECT_FALSE(c.request());
    EXPECT_FALSE(c.request());
    c.beginRun();
    EXPECT_FALSE(c.endRun());
    EXPECT_FALSE(c.pending());
    EXPECT_TRUE(c.request()); // idle again: a new request schedules again
}

TEST(RefreshCoalescerTest, RequestsDuringARunGiveExactlyOneMore)
{
    RefreshCoalescer c;
    ASSERT_TRUE(c.request());
    c.beginRun();
    EXPECT_FALSE(c.request());
    EXPECT_FALSE(c.request());
    EXPECT_TRUE(c.endRun());
    EXPECT_TRUE(c.pending());
    EXPECT_FALSE(c.request()); // already scheduled
    c.beginRun();
    EXPECT_FALSE(c.endRun());
}
