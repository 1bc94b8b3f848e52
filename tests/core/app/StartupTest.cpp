#include "core/app/Startup.h"
#include "core/text/TextFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace vorbix;
using namespace vorbix::app;

TEST(StartupTest, DefinitionFilesAreCheckedInOrder)
{
    test::TempFolder folder;
    PopisType lang(100);
    lang[80] = "Cannot open file";
    std::string error;

    const std::string missing = ": No such file or directory";
    EXPECT_FALSE(CheckDefinitionFiles(folder.path(), "RxFncUS.def", lang, error));
    EXPECT_EQ(error, "Cannot open file - " + folder.file("Rx.def") + missing);
    folder.write("Rx.def", "");
    EXPECT_FALSE(CheckDefinitionFiles(folder.path(), "RxFncUS.def", lang, error));
    EXPECT_EQ(error, "Cannot open file - " + folder.file("RxFncUS.def") + missing);
    folder.write("RxFncUS.def", "");
    EXPECT_FALSE(CheckDefinitionFiles(folder.path(), "RxFncUS.def", lang, error));
    EXPECT_EQ(error, "Cannot open file - " + folder.file("Tx.def") + missing);
    folder.write("Tx.def", "");
    EXPECT_TRUE(CheckDefinitionFiles(folder.path(), "RxFncUS.def", lang, error));
}

TEST(StartupTest, BackupFolderIsCreatedOrReported)
{
    test::TempFolder folder;
    std::string error;
    ASSERT_TRUE(EnsureBackupFolder(folder.path(), error)) << error;
    EXPECT_TRUE(text::directoryExists(folder.file("Backup")));
    EXPECT_TRUE(EnsureBackupFolder(folder.path(), error)); // already there

    if (::geteuid() != 0) { // root may write anywhere
        const std::string locked = folder.file("locked");
        ::mkdir(locked.c_str(), 0500);
        EXPECT_FALSE(EnsureBackupFolder(locked, error));
        EXPECT_EQ(error, "Cannot create " + locked + "/Backup: Permission denied");
    }
    EXPECT_FALSE(EnsureBackupFolder(folder.file("missing/deeper"), error));
    EXPECT_EQ(error, "Cannot create " + folder.file("missing/deeper") + "/Backup: No such file or directory");

    // A plain file where the folder belongs.
    test::TempFolder taken;
    taken.write("Backup", "");
    EXPECT_FALSE(EnsureBackupFolder(taken.path(), error));
    EXPECT_EQ(error, "Cannot create " + taken.file("Backup") + ": File exists");
}

TEST(StartupTest, OnlyAnExistingFirstArgumentIsAStartFile)
{
    test::TempFolder folder;
    const std::string file = folder.write("site.rxd", "x");
    EXPECT_EQ(StartFileFrom({file, "more"}), file);
    EXPECT_EQ(StartFileFrom({folder.file("none.rxd"), file}), "");
    EXPECT_EQ(StartFileFrom({}), "");
}

TEST(StartupTest, PlanFollowsLoginWelcomeAndTheStartFile)
{
    test::TempFolder folder;
    Settings s;
    s.OpenDataFile = true;
    s.OpenDataPath = folder.write("open.rxd", "x");
    s.OpenMonitorFile = true;
    s.OpenMonitorPath = folder.write("site.mon", "x");
    ShellState state;

    StartupPlan plan = PlanStartup(s, state);
    EXPECT_TRUE(plan.welcome);
    EXPECT_FALSE(plan.profileCaption);
    EXPECT_TRUE(plan.takeOpenDataPath && plan.openDataPath);
    EXPECT_TRUE(plan.takeMonitorPath && plan.loadMonitorPath);
    EXPECT_FALSE(plan.openStartFile);

    // A command-line file suppresses the welcome window and OpenDataFile, not OpenMonitorFile.
    state.StartFileGiven = true;
    plan = PlanStartup(s, state);
    EXPECT_FALSE(plan.welcome);
    EXPECT_TRUE(plan.profileCaption);
    EXPECT_FALSE(plan.takeOpenDataPath);
    EXPECT_TRUE(plan.loadMonitorPath);
    EXPECT_TRUE(plan.openStartFile);

    // With Login on, the login itself opens files; nothing else is done.
    s.Login = true;
    plan = PlanStartup(s, state);
    EXPECT_TRUE(plan.userLogin);
    EXPECT_FALSE(plan.welcome || plan.profileCaption || plan.takeOpenDataPath || plan.takeMonitorPath ||
                 plan.openStartFile);

    // A configured file that is missing is named but not opened.
    s.Login = false;
    s.Welcome = false;
    state.StartFileGiven = false;
    s.OpenDataPath = folder.file("gone.rxd");
    plan = PlanStartup(s, state);
    EXPECT_TRUE(plan.profileCaption);
    EXPECT_TRUE(plan.takeOpenDataPath);
    EXPECT_FALSE(plan.openDataPath);
}

TEST(StartupTest, StartFileSuppressesFirstActivationActions)
{
    Settings s;
    s.Download = s.Online = s.Monitor = true;
    ShellState state;
    ActivationPlan plan = PlanFirstActivation(s, state);
    EXPECT_TRUE(plan.download && plan.online && plan.monitor);
    state.StartFileGiven = true;
    plan = PlanFirstActivation(s, state);
    EXPECT_FALSE(plan.download || plan.online || plan.monitor);
}

TEST(StartupTest, CaptionNamesTheLastMatchingProfile)
{
    ConnectionList profiles(3);
    profiles[0].Name = "Default";
    profiles[0].Title = "COM 1:9600";
    profiles[1].Name = "Gate";
    profiles[1].Title = "COM 1:9600";
    profiles[2].Name = "Office";
    profiles[2].Title = "IP 127.0.0.2:10001";
    EXPECT_EQ(ProfileCaption(profiles, "COM 1:9600"), "Vorbix - Gate");
    EXPECT_EQ(ProfileCaption(profiles, "COM 2:9600"), "Vorbix");
}
