#include "core/app/InstanceLock.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace vorbix::app;

TEST(InstanceLockTest, SecondCopyFromTheSameFolderNameIsRefused)
{
    vorbix::test::TempFolder locks;
    InstanceLock first;
    InstanceLock second;
    std::string error;
    ASSERT_TRUE(first.acquire(locks.path(), InstanceName("/opt/site-a/Vorbix"), error)) << error;
    // Another folder with the same last component counts as the same copy.
    EXPECT_FALSE(second.acquire(locks.path(), InstanceName("/home/x/Vorbix/"), error));
    EXPECT_TRUE(error.empty());
    EXPECT_TRUE(first.held());

    InstanceLock other;
    EXPECT_TRUE(other.acquire(locks.path(), InstanceName("/opt/site-b"), error)) << error;

    first.release();
    EXPECT_TRUE(second.acquire(locks.path(), "Vorbix", error)) << error;
}

TEST(InstanceLockTest, NamesBecomePlainFilesInTheLockFolder)
{
    EXPECT_EQ(InstanceName("/opt/vorbix"), "vorbix");
    EXPECT_EQ(InstanceName("/opt/vorbix/"), "vorbix");
    const std::string path = InstanceLockPath("/run/user/1", "../a b");
    EXPECT_EQ(path.rfind("/run/user/1/vorbix-", 0), 0u);
    EXPECT_EQ(path.rfind('/'), std::string("/run/user/1").size()); // no folder part from the name
    EXPECT_TRUE(path.ends_with("-.._a_b.lock"));
}

TEST(InstanceLockTest, UnusableLockFolderIsReported)
{
    InstanceLock lock;
    std::string error;
    EXPECT_FALSE(lock.acquire("/nonexistent/folder", "x", error));
    EXPECT_FALSE(error.empty());
}
