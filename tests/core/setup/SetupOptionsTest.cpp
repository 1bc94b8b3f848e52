#include "core/setup/SetupOptions.h"
#include "core/app/Settings.h"
#include "core/setup/StartupBoxes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::setup;

TEST(StartupBoxesTest, SettingABoxClearsTheOnesItExcludes)
{
    StartupBoxes all;
    all.Welcome = all.Login = all.Download = all.Online = all.Monitor = all.OpenData = all.OpenMonitor = true;
    struct Case
    {
        StartupBox box;
        StartupBoxes expected; // Welcome, Login, Download, Online, Monitor, OpenData, OpenMonitor
    };
    const Case cases[] = {
        {StartupBox::Welcome, {true, false, false, false, false, false, true}},
        {StartupBox::Download, {false, false, true, true, true, true, true}},
        {StartupBox::Online, {false, false, true, true, true, true, true}},
        {StartupBox::Monitor, {false, false, true, true, true, true, true}},
        {StartupBox::OpenData, {false, false, true, true, true, true, true}},
        {StartupBox::OpenMonitor, {true, false, true, true, true, true, true}},
        {StartupBox::Login, {false, true, false, false, false, false, true}}, // open monitor stays
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SetStartupBox(all, c.box, true), c.expected) << static_cast<int>(c.box);
        // Clearing a box touches no other.
        StartupBoxes cleared = all;
        cleared = SetStartupBox(cleared, c.box, false);
        EXPECT_EQ(static_cast<int>(cleared.Welcome) + cleared.Login + cleared.Download + cleared.Online +
                      cleared.Monitor + cleared.OpenData + cleared.OpenMonitor,
                  6)
            << static_cast<int>(c.box);
    }
}

TEST(StartupBoxesTest, FillingFollowsTheDialogsOrder)
{
    app::Settings s;
    s.Welcome = true;
    s.Download = true;
    s.OpenMonitorFile = true;
    StartupBoxes shown = FillStartupBoxes(s);
    EXPECT_FALSE(shown.Welcome); // the download set later clears it
    EXPECT_TRUE(shown.Download);
    EXPECT_TRUE(shown.OpenMonitor);

    s.Login = true; // the login comes last and clears all but the monitor file
    shown = FillStartupBoxes(s);
    EXPECT_TRUE(shown.Login);
    EXPECT_FALSE(shown.Download);
    EXPECT_TRUE(shown.OpenMonitor);
}

TEST(SetupOptionsTest, ConfirmedCopiesGoToTheirReceiverClass)
{
    app::Settings s;
    s.SortColMulti = 4;
    s.SortUpMulti = false;
    SetupOptions o = OptionsFromSettings(s, true, {true, true, true, true, true});
    EXPECT_EQ(o.SortCol, 4);
    EXPECT_FALSE(o.SortUp);
    o.SortCol = 2;
    o.SortUp = true;
    o.HistoryLength = 500;
    o.MonitorFont = "Serif";
    o.titles[0] = "Badge";
    ApplyOptions(o, s, true);
    EXPECT_EQ(s.SortColMulti, 2);
    EXPECT_TRUE(s.SortUpMulti);
    EXPECT_EQ(s.SortColSingle, 0);
    EXPECT_EQ(s.HistoryLength, 500);
    EXPECT_EQ(s.MonitorFont, "Serif");
    EXPECT_EQ(s.userTitles[0], "Badge");

    EXPECT_EQ(SoundItem(false, false), 2);
    EXPECT_EQ(SoundItem(true, false), 0);
    EXPECT_EQ(SoundItem(true, true), 1); // the speaker wins
}

TEST(SetupOptionsTest, EmptyTitleFallsBackAndTheSortListFollowsTheRename)
{
    PopisType lang(200);
    lang[153] = "ID";
    lang[155] = "User 2";
    TitleFields fields;
    fields.remember({"Pos", "ID", "User 1", "Gate", "Serial"}, {"ID", "User 1", "Gate", "User 3", "User 4"});

    EXPECT_EQ(fields.leave(0, "Badge", lang), "Badge");
    EXPECT_EQ(fields.leave(2, "", lang), "User 2");     // empty: back to its language default
    EXPECT_EQ(fields.leave(3, "Floor", lang), "Floor"); // "User 3" was not in the list: nothing follows
    EXPECT_EQ(fields.items(), (std::vector<std::string>{"Pos", "Badge", "User 1", "User 2", "Serial"}));
    EXPECT_EQ(fields.sortColumnOf("User 2"), 3);
    EXPECT_EQ(fields.sortColumnOf("nothing"), 0);
}

TEST(SetupOptionsTest, ShownColumnsMoveAfterTheVisibleOnesHiddenOnesToTheLastVisiblePlace)
{
    // Single layout: ID, User 1..4, then the record columns; 12 shown.
    views::ColumnCodes codes;
    const int order[] = {7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 12; ++i) {
        codes.codes[static_cast<std::size_t>(i)] = order[i];
    }
    codes.count = 12;
    int sortColumn = 6; // the serial column

    const std::vector<ColumnChange> hide =
        ColumnChanges({true, true, true, true, true}, {false, true, false, true, true});
    ASSERT_EQ(hide.size(), 2U);
    EXPECT_EQ(hide[0].code, 7);
    EXPECT_EQ(hide[1].code, 9);
    ApplyColumnChanges(codes, sortColumn, hide);
    EXPECT_EQ(codes.count, 10);
    const int hidden[] = {8, 10, 11, 0, 1, 2, 3, 4, 5, 6, 9, 7};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(codes.codes[static_cast<std::size_t>(i)], hidden[i]) << i;
    }
    EXPECT_EQ(codes.codeAt(sortColumn), 1);

    ApplyColumnChanges(codes, sortColumn,
                       ColumnChanges({false, true, false, true, true}, {true, true, false, true, true}));
    EXPECT_EQ(codes.count, 11);
    EXPECT_EQ(codes.codes[10], 7); // the first place after the visible columns
    EXPECT_EQ(codes.codes[11], 9);
    EXPECT_EQ(codes.codeAt(sortColumn), 1);
}

TEST(SetupOptionsTest, LanguageListHoldsEveryTwoLetterFilePresent)
{
    test::TempFolder folder;
    for (const char* name : {"US.lng", "CZ.lng", "AA.lng", "cz.lng", "USA.lng", "DE.txt"}) {
        folder.write(name, "");
    }
    const std::vector<std::string> codes = LanguageCodes(folder.path());
    EXPECT_EQ(codes, (std::vector<std::string>{"AA", "CZ", "US"}));
    EXPECT_EQ(LanguageIndex(codes, "CZ"), 1);
    EXPECT_EQ(LanguageIndex(codes, "DE"), 2); // not present: "US"
    EXPECT_EQ(LanguageIndex({"AA"}, "DE"), -1);
}
