#include "core/app/StatusView.h"

#include <gtest/gtest.h>

using namespace vorbix::app;

namespace {

StatusInput baseInput()
{
    StatusInput in;
    in.connectionText = "COM 1:9600";
    in.receiverDescription = "Receiver RX4";
    in.savedText = "Saved";
    in.captions = {"Memory view", "File view", "Monitoring"};
    return in;
}

} // namespace

TEST(StatusViewTest, StarIsAppendedAndRemovedAtMostOnce)
{
    EXPECT_EQ(WithStar("File view"), "File view*");
    EXPECT_EQ(WithStar("File view*"), "File view*");
    EXPECT_EQ(WithoutStar("File view*"), "File view");
    EXPECT_EQ(WithoutStar("File view"), "File view");
    EXPECT_EQ(WithoutStar("File view**"), "File view*"); // one final mark per update
    EXPECT_EQ(WithoutStar(""), "");
}

TEST(StatusViewTest, PanelsFollowTheState)
{
    StatusInput in = baseInput();
    StatusView v = UpdateStatus(in);
    EXPECT_EQ(v.panels, (std::array<std::string, 5>{"", "COM 1:9600", "", "", ""}));

    in.state.LoggedIn = true;
    in.state.OnLine = true;
    in.state.DataOpen = true;
    in.state.DataSaved = true;
    in.state.DataFileName = "/data/site.rxd";
    v = UpdateStatus(in);
    EXPECT_EQ(v.panels,
              (std::array<std::string, 5>{"Receiver RX4", "COM 1:9600", "On-line", "Saved", "/data/site.rxd"}));

    in.state.DataSaved = false;
    v = UpdateStatus(in);
    EXPECT_EQ(v.panels[3], "");
    EXPECT_EQ(v.panels[4], "/data/site.rxd");

    in.state.DataOpen = false; // a file name without an open data set is not shown
    v = UpdateStatus(in);
    EXPECT_EQ(v.panels[4], "");
}

TEST(StatusViewTest, CaptionsCarryTheUnsavedMark)
{
    StatusInput in = baseInput();
    in.state.LoggedIn = true;
    in.state.MemoryChanged = true;
    in.state.DataOpen = true;
    in.state.DataSaved = false;
    in.monitor = {true, false};

    // Repeated updates keep one mark.
    for (int round = 0; round < 3; ++round) {
        const StatusView v = UpdateStatus(in);
        EXPECT_EQ(v.captions.memory, "Memory view*");
        EXPECT_EQ(v.captions.user, "File view*");
        EXPECT_EQ(v.captions.monitor, "Monitoring*");
        in.captions = v.captions;
    }

    in.state.MemoryChanged = false;
    in.state.DataSaved = true;
    in.monitor.SetupSaved = true;
    StatusView v = UpdateStatus(in);
    EXPECT_EQ(v.captions.memory, "Memory view");
    EXPECT_EQ(v.captions.user, "File view");
    EXPECT_EQ(v.captions.monitor, "Monitoring");

    // Logging out and closing the data set clear the marks too.
    in.captions = {"Memory view*", "File view*", "Monitoring*"};
    in.state.LoggedIn = false;
    in.state.DataOpen = false;
    in.monitor.SetupPresent = false; // without a setup the monitor caption is left alone
    v = UpdateStatus(in);
    EXPECT_EQ(v.captions.memory, "Memory view");
    EXPECT_EQ(v.captions.user, "File view");
    EXPECT_EQ(v.captions.monitor, "Monitoring*");
}

TEST(StatusViewTest, RecordCommandsFollowThePage)
{
    struct Case
    {
        int page;
        bool loggedIn;
        bool dataOpen;
        bool enabled;
    };
    const Case cases[] = {
        {0, false, true, false}, {0, true, false, true},  {1, true, false, false}, {1, false, true, true},
        {2, true, true, false},  {3, true, true, false},  {4, false, false, true}, {5, true, true, false},
        {9, true, true, false},  {-1, true, true, false},
    };
    for (const Case& c : cases) {
        StatusInput in = baseInput();
        in.activePage = c.page;
        in.state.LoggedIn = c.loggedIn;
        in.state.DataOpen = c.dataOpen;
        const StatusView v = UpdateStatus(in);
        ASSERT_TRUE(v.recordCommandsEnabled.has_value());
        EXPECT_EQ(*v.recordCommandsEnabled, c.enabled) << "page " << c.page;
    }
}

TEST(StatusViewTest, MonitorModeLeavesRecordCommandsAlone)
{
    StatusInput in = baseInput();
    in.messageViewShown = true;
    EXPECT_FALSE(UpdateStatus(in).recordCommandsEnabled.has_value());
}
