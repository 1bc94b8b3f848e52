#include "core/text/ProgramFolder.h"

#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vorbix::text;
using vorbix::test::TempFolder;

TEST(ProgramFolderTest, ExecutableFolderHasNoTrailingSeparator)
{
    const std::string folder = executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
}

TEST(ProgramFolderTest, FolderOptionVersionAndOtherArgumentsAreSeparated)
{
    const char* argv[] = {"vorbix", "--folder", "/opt/rx/", "data.rxd", "--version", "extra"};
    const CommandLine cl = parseCommandLine(6, argv);
    EXPECT_EQ(cl.programFolder, "/opt/rx");
    EXPECT_TRUE(cl.version);
    EXPECT_EQ(cl.arguments, (std::vector<std::string>{"data.rxd", "extra"}));

    const char* bare[] = {"vorbix", "--folder"};
    EXPECT_FALSE(parseCommandLine(2, bare).error.empty());

    const char* none[] = {"vorbix"};
    EXPECT_EQ(parseCommandLine(1, none).programFolder, "");
    EXPECT_EQ(versionLine("vorbixctl"), std::string("vorbixctl ") + VORBIX_VERSION);
}

// A build tree or portable copy (shipped files beside the program), an installed program
// (shipped files in ../share/vorbix) and a bare folder, each with and without --folder.
TEST(ProgramFolderTest, PlanFollowsWhereTheShippedFilesLie)
{
    TempFolder root;
    root.write("portable/Rx.def", "x");
    root.write("usr/share/vorbix/Rx.def", "x");
    std::filesystem::create_directories(root.file("usr/bin"));
    std::filesystem::create_directories(root.file("bare"));
    const std::string r = root.path();

    struct Case
    {
        std::string requested, exe, xdg, home, folder, shipped;
    } cases[] = {
        {"", r + "/portable", "/x/data", "/home/u", r + "/portable", ""},
        {"", r + "/usr/bin", "", "/home/u", "/home/u/.local/share/vorbix", r + "/usr/share/vorbix"},
        {"", r + "/usr/bin", "/x/data/", "/home/u", "/x/data/vorbix", r + "/usr/share/vorbix"},
        {"", r + "/usr/bin", "relative", "/home/u", "/home/u/.local/share/vorbix", r + "/usr/share/vorbix"},
        {"", r + "/bare", "", "/home/u", r + "/bare", ""},
        {"/mine/", r + "/usr/bin", "", "/home/u", "/mine", ""},
        {"/mine", r + "/portable", "", "/home/u", "/mine", ""},
    };
    for (const Case& c : cases) {
        const FolderPlan plan = planProgramFolder(c.requested, c.exe, c.xdg, c.home);
        EXPECT_EQ(plan.folder, c.folder) << c.exe << " " << c.requested;
        EXPECT_EQ(plan.shipped, c.shipped) << c.exe << " " << c.requested;
    }
}

// The first start fills the folder; a later one (an upgrade shipping more files) adds only what
// is missing and leaves every file the user has, changed or not, as it is.
TEST(ProgramFolderTest, CopyMissingFilesAddsButNeverReplaces)
{
    TempFolder shipped;
    shipped.write("Rx.def", "models");
    shipped.write("US.lng", "shipped texts");
    shipped.write("Help/VORBIXUS/index.html", "help");
    TempFolder user;
    const std::string folder = user.file("deep/vorbix");
    std::string error;
    ASSERT_TRUE(copyMissingFiles(shipped.path(), folder, error)) << error;
    EXPECT_EQ(user.read("deep/vorbix/Rx.def"), "models");
    EXPECT_EQ(user.read("deep/vorbix/Help/VORBIXUS/index.html"), "help");

    user.write("deep/vorbix/US.lng", "changed by the user");
    user.write("deep/vorbix/Vorbix.ini", "settings");
    shipped.write("US.lng", "upgraded texts");
    shipped.write("Sounds/Alarm.wav", "new sound");
    ASSERT_TRUE(copyMissingFiles(shipped.path(), folder, error)) << error;
    EXPECT_EQ(user.read("deep/vorbix/US.lng"), "changed by the user");
    EXPECT_EQ(user.read("deep/vorbix/Vorbix.ini"), "settings");
    EXPECT_EQ(user.read("deep/vorbix/Sounds/Alarm.wav"), "new sound");
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        files += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(files, 5u) << "no temporary file is left behind";

    EXPECT_FALSE(copyMissingFiles(shipped.file("missing"), folder, error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
}
