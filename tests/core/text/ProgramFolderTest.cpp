#include "core/text/ProgramFolder.h"

#include <gtest/gtest.h>

using namespace vorbix::text;

TEST(ProgramFolderTest, ExecutableFolderHasNoTrailingSeparator)
{
    const std::string folder = executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
}

TEST(ProgramFolderTest, FolderOptionOverridesAndOtherArgumentsStay)
{
    const char* argv[] = {"vorbix", "--folder", "/opt/rx/", "data.rxd", "extra"};
    const CommandLine cl = parseCommandLine(5, argv);
    EXPECT_EQ(cl.programFolder, "/opt/rx");
    EXPECT_EQ(cl.arguments, (std::vector<std::string>{"data.rxd", "extra"}));

    const char* bare[] = {"vorbix", "--folder"};
    EXPECT_FALSE(parseCommandLine(2, bare).error.empty());

    const char* none[] = {"vorbix"};
    EXPECT_EQ(parseCommandLine(1, none).programFolder, executableFolder());
}
