#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"
#include "support/TempFolder.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace vorbix;

TEST(AtomicFileTest, ReplacesContentAndLeavesNoTemporaryFile)
{
    test::TempFolder dir;
    const std::string path = dir.write("a.txt", "old content that is longer");
    ::chmod(path.c_str(), 0640);
    std::string error;
    ASSERT_TRUE(text::writeFileAtomically(path, "new", error)) << error;
    EXPECT_EQ(dir.read("a.txt"), "new");

    struct stat st
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(AtomicFileTest, RefusalsNameThePathAndTheReason)
{
    test::TempFolder dir;
    const std::string path = dir.write("backup.rxd", "keep me");
    ASSERT_TRUE(text::setReadOnly(path));
    EXPECT_TRUE(text::isReadOnly(path));
    std::string error;
    EXPECT_FALSE(text::writeFileAtomically(path, "overwritten", error));
    EXPECT_EQ(error, path + ": the file is read-only");
    EXPECT_EQ(dir.read("backup.rxd"), "keep me");

    EXPECT_FALSE(text::writeFileAtomically(dir.file("missing/x.txt"), "x", error));
    EXPECT_EQ(error, dir.file("missing/x.txt") + ": No such file or directory");
    EXPECT_FALSE(text::writeFileAtomically(dir.path(), "x", error));
    EXPECT_EQ(error, dir.path() + ": Is a directory");
}

TEST(AtomicFileTest, NextWriteRemovesOnlyTheTargetsStaleTemporaryFiles)
{
    test::TempFolder dir;
    const std::string path = dir.write("a.rxd", "old");
    ::chmod(path.c_str(), 0640);
    // What a write killed before its rename leaves, and neighbours that merely look alike.
    dir.write(".a.rxd.AbC123", "stale");
    const std::vector<std::string> kept = {
        ".a.rxd.AbC12", ".a.rxd.AbC1234", ".a.rxd.AbC-12", ".b.rxd.AbC123", "a.rxd.AbC123", ".a.rxd.AbC123x",
    };
    for (const std::string& name : kept) {
        dir.write(name, "keep");
    }
    ASSERT_EQ(::mkdir(dir.file(".a.rxd.Dir123").c_str(), 0755), 0);
    ASSERT_EQ(::symlink(path.c_str(), dir.file(".a.rxd.Lnk123").c_str()), 0);

    std::string error;
    ASSERT_TRUE(text::writeFileAtomically(path, "new", error)) << error;
    EXPECT_FALSE(std::filesystem::exists(dir.file(".a.rxd.AbC123")));
    for (const std::string& name : kept) {
        EXPECT_EQ(dir.read(name), "keep") << name;
    }
    EXPECT_TRUE(text::directoryExists(dir.file(".a.rxd.Dir123")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file(".a.rxd.Lnk123")));
    EXPECT_EQ(dir.read("a.rxd"), "new");
    struct stat st
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AtomicFileTest, ATemporaryFileAWriteStillHoldsIsLeftAlone)
{
    test::TempFolder dir;
    const std::string path = dir.write("a.rxd", "old");
    const std::string busy = dir.write(".a.rxd.Busy12", "being written");
    const int fd = ::open(busy.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    std::string error;
    ASSERT_TRUE(text::writeFileAtomically(path, "new", error)) << error;
    EXPECT_EQ(dir.read(".a.rxd.Busy12"), "being written");
    ::close(fd);
    ASSERT_TRUE(text::writeFileAtomically(path, "newer", error)) << error;
    EXPECT_FALSE(std::filesystem::exists(busy));
    EXPECT_EQ(dir.read("a.rxd"), "newer");
}

TEST(AtomicFileTest, NewFileFollowsTheUmask)
{
    test::TempFolder dir;
    const mode_t old = ::umask(027);
    std::string error;
    const bool written = text::writeFileAtomically(dir.file("new.txt"), "x", error);
    ::umask(old);
    ASSERT_TRUE(written) << error;
    struct stat st
    {
    };
    ASSERT_EQ(::stat(dir.file("new.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}
