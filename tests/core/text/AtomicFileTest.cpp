#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(AtomicFileTest, RefusesReadOnlyTargetAndMissingFolder)
{
    test::TempFolder dir;
    const std::string path = dir.write("backup.rxd", "keep me");
    ASSERT_TRUE(text::setReadOnly(path));
    EXPECT_TRUE(text::isReadOnly(path));
    std::string error;
    EXPECT_FALSE(text::writeFileAtomically(path, "overwritten", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(dir.read("backup.rxd"), "keep me");

    EXPECT_FALSE(text::writeFileAtomically(dir.file("missing/x.txt"), "x", error));
    EXPECT_FALSE(text::writeFileAtomically(dir.path(), "x", error)); // a folder
}
