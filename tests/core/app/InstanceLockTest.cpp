#include "core/app/InstanceLock.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The lock and its socket live where no other user can take the lock first or plant a link: the
// check refuses a folder of another user, a link and a folder open to others.
TEST(InstanceLockTest, OnlyTheUsersOwnClosedFolderHoldsTheLock)
{
    vorbix::test::TempFolder base; // made 0700 by mkdtemp
    const unsigned uid = ::getuid();
    std::string error;
    EXPECT_TRUE(IsPrivateFolder(base.path(), uid, error)) << error;
    EXPECT_FALSE(IsPrivateFolder(base.path(), uid + 1, error));
    EXPECT_EQ(error, base.path() + ": belongs to another user");

    const std::string link = base.file("link");
    ASSERT_EQ(::symlink(base.path().c_str(), link.c_str()), 0);
    EXPECT_FALSE(IsPrivateFolder(link, uid, error));
    EXPECT_EQ(error, link + ": a symbolic link or not a folder");

    const std::string open = base.file("open");
    ASSERT_EQ(::mkdir(open.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(open.c_str(), 0733), 0);
    EXPECT_FALSE(IsPrivateFolder(open, uid, error));
    EXPECT_NE(error.find("others have access"), std::string::npos);

    // Without a usable runtime folder the lock goes to a folder of its own under the shared one;
    // one planted there as a link is refused and nothing is made where it leads.
    const char* oldRuntime = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = oldRuntime != nullptr ? oldRuntime : "";
    ::setenv("XDG_RUNTIME_DIR", open.c_str(), 1);
    std::string folder;
    EXPECT_TRUE(PrivateRuntimeFolder(folder, error, base.path())) << error;
    EXPECT_EQ(folder, base.file("vorbix-" + std::to_string(uid)));
    EXPECT_TRUE(IsPrivateFolder(folder, uid, error)) << error;

    vorbix::test::TempFolder shared;
    vorbix::test::TempFolder elsewhere;
    const std::string planted = shared.file("vorbix-" + std::to_string(uid));
    ASSERT_EQ(::symlink(elsewhere.path().c_str(), planted.c_str()), 0);
    EXPECT_FALSE(PrivateRuntimeFolder(folder, error, shared.path()));
    EXPECT_EQ(error, planted + ": a symbolic link or not a folder");
    ::setenv("XDG_RUNTIME_DIR", base.path().c_str(), 1);
    EXPECT_TRUE(PrivateRuntimeFolder(folder, error, shared.path())) << error;
    EXPECT_EQ(folder, base.path());
    if (oldRuntime != nullptr) {
        ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    } else {
        ::unsetenv("XDG_RUNTIME_DIR");
    }
}

TEST(InstanceLockTest, ALinkInPlaceOfTheLockFileIsNotFollowed)
{
    vorbix::test::TempFolder locks;
    vorbix::test::TempFolder elsewhere;
    const std::string target = elsewhere.file("made-by-the-lock");
    ASSERT_EQ(::symlink(target.c_str(), InstanceLockPath(locks.path(), "x").c_str()), 0);
    InstanceLock lock;
    std::string error;
    EXPECT_FALSE(lock.acquire(locks.path(), "x", error));
    EXPECT_FALSE(error.empty());
    struct stat st
    {
    };
    EXPECT_NE(::lstat(target.c_str(), &st), 0);
}
