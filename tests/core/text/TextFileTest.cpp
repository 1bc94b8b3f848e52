#include "core/text/TextFile.h"

#include <gtest/gtest.h>

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
