#include "core/text/TextFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using vorbix::text::splitLines;

TEST(TextFileTest, SplitLinesHandlesEndings)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(splitLines("a\rb\n"), (Lines{"a\rb"})); // a lone CR is data
}

TEST(TextFileTest, JoinWritesCrLf)
{
    EXPECT_EQ(vorbix::text::joinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(TextFileTest, PathHelpers)
{
    EXPECT_EQ(vorbix::text::baseName("/x/y/Rx.def"), "Rx.def");
    EXPECT_EQ(vorbix::text::baseName("Rx.def"), "Rx.def");
    EXPECT_EQ(vorbix::text::joinPath("/x/", "a"), "/x/a");
    EXPECT_EQ(vorbix::text::joinPath("/x", "a"), "/x/a");
}

TEST(TextFileTest, ReadFailuresNameThePathAndTheReason)
{
    vorbix::test::TempFolder folder;
    ASSERT_EQ(::mkdir(folder.file("dir.rxd").c_str(), 0755), 0);
    struct Case
    {
        std::string path;
        std::string reason;
    };
    const Case cases[] = {
        {folder.file("dir.rxd"), "Is a directory"},
        {folder.file("missing.rxd"), "No such file or directory"},
        {folder.file("missing/inner.rxd"), "No such file or directory"},
    };
    for (const Case& c : cases) {
        std::string content = "old";
        std::string error;
        EXPECT_FALSE(vorbix::text::readFile(c.path, content, error)) << c.path;
        EXPECT_TRUE(content.empty());
        EXPECT_EQ(error, c.path + ": " + c.reason);
        std::vector<std::string> lines{"old"};
        EXPECT_FALSE(vorbix::text::readLines(c.path, lines, error));
        EXPECT_TRUE(lines.empty());
    }
    std::string content;
    std::string error;
    ASSERT_TRUE(vorbix::text::readFile(folder.write("a.txt", std::string("a\0b", 3)), content, error));
    EXPECT_EQ(content, std::string("a\0b", 3));
    EXPECT_TRUE(error.empty());
}
