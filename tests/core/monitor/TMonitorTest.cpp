#include "core/monitor/TMonitor.h"
#include "core/base/TextNumbers.h"
#include "core/monitor/MonitorFile.h"
#include "core/monitor/MonitorViews.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::monitor;

namespace {

const std::string kHeader = "Vorbix monitor setup file\r\n";
const std::string kTwoMessages = kHeader + "1#Gate open#1#12#4###1#0#1#\r\nActive:X212AB4#2#n#end\r\nDeactive:end\r\n"
                                           "2#Door#0#8#0###0#0#0#\r\nActive:end\r\nDeactive:X21FFF0#C#n#end\r\n";

PopisType languageWithNumbers()
{
    PopisType lang(310);
    for (std::size_t n = 0; n < lang.size(); ++n) {
        lang[n] = "T" + std::to_string(n);
    }
    return lang;
}

class TMonitorTest : public ::testing::Test
{
protected:
    TMonitorTest()
    {
        monitor.setMessages(&lang, [this](const std::string& message) { errors.push_back(message); });
    }

    void addMessages(int count)
    {
        for (int n = 1; n <= count; ++n) {
            MessageValues values;
            values.Text = "M" + std::to_string(n);
            monitor.PridejZpravu(values);
        }
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> result;
        for (const TMonitorData& m : monitor.Messages) {
            result.push_back(std::to_string(m.Number) + ":" + m.Text);
        }
        return result;
    }

    PopisType lang = languageWithNumbers();
    std::vector<std::string> errors;
    TMonitor monitor;
    test::TempFolder folder;
};

} // namespace

TEST_F(TMonitorTest, LoadAndSaveKeepTheFileByteForByte)
{
    const std::string path = folder.write("a.mon", kTwoMessages);
    ASSERT_TRUE(monitor.Nacti(path));
    EXPECT_TRUE(monitor.SetupPresent);
    EXPECT_TRUE(monitor.SetupSaved);
    EXPECT_EQ(monitor.SetupFile, path);
    ASSERT_EQ(monitor.Messages.size(), 2u);

    ASSERT_TRUE(monitor.UlozJako(folder.file("b.mon")));
    EXPECT_EQ(folder.read("b.mon"), kTwoMessages);
    EXPECT_EQ(monitor.SetupFile, folder.file("b.mon"));
    EXPECT_TRUE(errors.empty());
}

TEST_F(TMonitorTest, HeaderOnlyLoadsAsAnEmptyPresentSetup)
{
    ASSERT_TRUE(monitor.Nacti(folder.write("empty.mon", kHeader)));
    EXPECT_TRUE(monitor.Messages.empty());
    EXPECT_TRUE(monitor.SetupPresent);
    EXPECT_TRUE(monitor.SetupSaved);
}

// A load that fails leaves the setup and its file as they were, so a later save writes the old setup
// to the old file and never a fragment over the broken one.
TEST_F(TMonitorTest, AFailedLoadKeepsThePreviousSetupAndFile)
{
    const std::string good = folder.write("good.mon", kTwoMessages);
    ASSERT_TRUE(monitor.Nacti(good));
    monitor.Messages[0].Text = "changed";
    monitor.SetupSaved = false;

    struct Case
    {
        const char* name;
        std::string content; // empty: no file at all
        std::string message;
    };
    const Case cases[] = {
        {"missing Active", kHeader + "1#Broken#0#8#0###0#0#0#\r\nDeactive:end\r\n", "Cyhba - "},
        {"missing Deactive", kHeader + "1#Broken#0#8#0###0#0#0#\r\nActive:end\r\n", "Cyhba - "},
        {"wrong header", "not a setup\r\n", "T82 - "},
        {"no file", "", "T80 - "},
    };
    for (const Case& c : cases) {
        errors.clear();
        const std::string broken =
            c.content.empty() ? folder.file("missing.mon") : folder.write("broken.mon", c.content);
        std::string error;
        EXPECT_FALSE(monitor.Nacti(broken, error)) << c.name;
        EXPECT_TRUE(error.starts_with(c.message)) << c.name << ": " << error;
        // The format faults are reported; a file that is not there is not.
        EXPECT_EQ(errors.size(), c.content.empty() ? 0u : 1u) << c.name;
        EXPECT_EQ(monitor.SetupFile, good) << c.name;
        EXPECT_EQ(texts(), (std::vector<std::string>{"1:changed", "2:Door"})) << c.name;
        EXPECT_FALSE(monitor.SetupSaved) << c.name;
    }
    ASSERT_TRUE(monitor.Uloz());
    EXPECT_EQ(folder.read("broken.mon"), "not a setup\r\n");
}

TEST_F(TMonitorTest, ASaveThatFailsIsReportedWithText80)
{
    monitor.SetupFile = folder.file("no/such/folder/a.mon");
    EXPECT_FALSE(monitor.Uloz());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].starts_with("T80 - ")) << errors[0];
}

TEST_F(TMonitorTest, AddingAMessageNumbersItAndMarksTheSetupUnsaved)
{
    EXPECT_FALSE(monitor.SetupPresent);
    addMessages(2);
    EXPECT_EQ(texts(), (std::vector<std::string>{"1:M1", "2:M2"}));
    EXPECT_TRUE(monitor.SetupPresent);
    EXPECT_FALSE(monitor.SetupSaved);
}

TEST_F(TMonitorTest, RemovingMessagesRenumbersTheRestInOrder)
{
    addMessages(5);
    monitor.SetupSaved = true;
    EXPECT_EQ(monitor.Odstran({2, 3}), 2);
    EXPECT_EQ(texts(), (std::vector<std::string>{"1:M1", "2:M4", "3:M5"}));
    EXPECT_FALSE(monitor.SetupSaved);
    EXPECT_EQ(monitor.Odstran({7}), 0);
    // Removing every message keeps the setup present.
    monitor.Odstran({1, 2, 3});
    EXPECT_TRUE(monitor.Messages.empty());
    EXPECT_TRUE(monitor.SetupPresent);
}

TEST_F(TMonitorTest, EditingChangesTheNumberedMessageOnly)
{
    addMessages(2);
    MessageValues values;
    values.Text = "new";
    values.Size = 20;
    EXPECT_TRUE(monitor.Edituj(2, values));
    EXPECT_EQ(monitor.Messages[1].values(), values);
    EXPECT_EQ(monitor.Messages[1].Number, 2);
    EXPECT_FALSE(monitor.Edituj(3, values));
    EXPECT_FALSE(monitor.Edituj(0, values));
}

TEST_F(TMonitorTest, ActiveMessagesAreDeactivatedBeforeTheyAreEditedRemovedOrReplaced)
{
    addMessages(3);
    std::vector<int> deactivated;
    monitor.Deactivate = [&](int position) {
        deactivated.push_back(position);
        monitor.Messages[static_cast<std::size_t>(position)].Order = 0;
    };
    monitor.Messages[1].Order = 1;
    monitor.Edituj(2, monitor.Messages[1].values());
    monitor.Edituj(1, monitor.Messages[0].values()); // not active: no call
    EXPECT_EQ(deactivated, (std::vector<int>{1}));

    monitor.Messages[2].Order = 1;
    monitor.Odstran({3});
    EXPECT_EQ(deactivated, (std::vector<int>{1, 2}));

    monitor.Messages[0].Order = 1;
    ASSERT_TRUE(monitor.Nacti(folder.write("a.mon", kTwoMessages)));
    EXPECT_EQ(deactivated, (std::vector<int>{1, 2, 0}));
}

TEST_F(TMonitorTest, EventsAddedByTheirRules)
{
    addMessages(1);
    monitor.Current = 0;
    struct Step
    {
        bool active;
        const char* tx;
        const char* button;
        EventAdd result;
    };
    const Step steps[] = {
        {true, "X212AB4", "2", EventAdd::Added},
        {true, "X212AB4", "2", EventAdd::Duplicate}, // text 127
        {true, "X212AB4", "3", EventAdd::Added},
        {false, "X212AB4", "2", EventAdd::Added}, // the other list may hold the same pair
        {true, "x000000", "0", EventAdd::Placeholder},
        {true, "X200000", "1", EventAdd::Placeholder},
    };
    for (const Step& s : steps) {
        monitor.AddToActive = s.active;
        EXPECT_EQ(monitor.PridejEvent(s.tx, s.button), s.result) << s.tx << " " << s.button;
    }
    EXPECT_EQ(errors, (std::vector<std::string>{"T127"}));
    EXPECT_EQ(monitor.Messages[0].ActiveEvents.size(), 2u);
    EXPECT_EQ(monitor.Messages[0].DeactiveEvents.size(), 1u);
}

TEST_F(TMonitorTest, TheSerialNumberPlaceholderGoesUnlessTheDialogGaveACode)
{
    addMessages(1);
    monitor.SetupSaved = true;
    const auto cancel = [](TEvent&) { return false; };
    EXPECT_EQ(monitor.PridejEvent("x000000", "0", cancel), EventAdd::Placeholder);
    EXPECT_TRUE(monitor.Messages[0].ActiveEvents.empty());
    EXPECT_TRUE(monitor.SetupSaved);

    const auto enter = [](TEvent& e) {
        e.TxCode = "X212AB4";
        e.ButtonCode = "8";
        return true;
    };
    EXPECT_EQ(monitor.PridejEvent("x000000", "0", enter), EventAdd::Added);
    ASSERT_EQ(monitor.Messages[0].ActiveEvents.size(), 1u);
    EXPECT_EQ(monitor.Messages[0].ActiveEvents[0].TxCode, "X212AB4");
    EXPECT_FALSE(monitor.SetupSaved);
}

TEST_F(TMonitorTest, EventsAreEditedAndRemovedByPosition)
{
    ASSERT_TRUE(monitor.Nacti(folder.write("a.mon", kTwoMessages)));
    EXPECT_FALSE(monitor.RemoveActive(1, 0)); // message 2 has no Active event
    EXPECT_TRUE(monitor.SetupSaved);
    EXPECT_FALSE(monitor.EditEvent(true, 0, 0, [](TEvent&) { return false; }));
    EXPECT_TRUE(monitor.SetupSaved);
    EXPECT_TRUE(monitor.EditEvent(false, 1, 0, [](TEvent& e) {
        e.ButtonCode = "4";
        return true;
    }));
    EXPECT_EQ(monitor.Messages[1].DeactiveEvents[0].ButtonCode, "4");
    EXPECT_FALSE(monitor.SetupSaved);
    EXPECT_TRUE(monitor.RemoveDeactive(1, 0));
    EXPECT_TRUE(monitor.Messages[1].DeactiveEvents.empty());
}

TEST_F(TMonitorTest, CommentRefreshLinksEventsToRecordsOfTheOpenDataSet)
{
    ASSERT_TRUE(monitor.Nacti(folder.write("a.mon", kTwoMessages)));
    model::RecordTable records(4);
    records[1].Serial = "12AB4";
    records[1].Button = "3"; // shares button 2 with the event
    records[1].ID = 7;
    records[1].User = {"Gate", "", "", ""};
    records[2].Serial = "12AB4";
    records[2].Button = "2";
    records[2].ID = 9;
    records[2].User = {"Other", "North #1", "", ""};
    records[3].Serial = "1FFF0";
    records[3].Button = "1"; // no shared button with "C"

    monitor.CommentRefresh(); // no data set: nothing linked
    EXPECT_EQ(monitor.Messages[0].ActiveEvents[0].ID, 0);

    monitor.Records = [&records] { return &records; };
    monitor.CommentRefresh();
    const TEvent& gate = monitor.Messages[0].ActiveEvents[0];
    EXPECT_EQ(gate.ID, 7);
    EXPECT_EQ(gate.User, (std::array<std::string, 4>{"Gate", "North 1", "", ""}));
    EXPECT_EQ(monitor.Messages[1].DeactiveEvents[0].ID, 0);

    // Linking again starts from nothing.
    records[1].ID = 0;
    records[2].ID = 0;
    monitor.CommentRefresh();
    EXPECT_EQ(monitor.Messages[0].ActiveEvents[0].ID, 0);

    // A setup opened while a data set is open shows its texts at once.
    records[1].ID = 7;
    ASSERT_TRUE(monitor.Nacti(folder.file("a.mon")));
    EXPECT_EQ(monitor.Messages[0].ActiveEvents[0].ID, 7);
    EXPECT_EQ(monitor.Messages[0].ActiveEvents[0].User[0], "Gate");
}

TEST_F(TMonitorTest, TheTableSortsACopyAndLeavesTheMessagesInOrder)
{
    for (const char* t : {"beta", "Alpha",
                          "\xC8"
                          "ist",
                          "alpha", "beta"}) {
        MessageValues values;
        values.Text = t;
        monitor.PridejZpravu(values);
    }
    const MonitorTableView down(monitor.Messages, lang, 1, false);
    std::vector<std::string> shown;
    for (int row = 0; row < down.rowCount(); ++row) {
        shown.push_back(down.cellText(row, 0) + ":" + down.cellText(row, 1));
    }
    // Bytes above 127 sort after ASCII; equal texts keep their order also descending.
    EXPECT_EQ(shown, (std::vector<std::string>{"3:\xC8ist", "1:beta", "5:beta", "4:alpha", "2:Alpha"}));
    EXPECT_EQ(texts(), (std::vector<std::string>{"1:beta", "2:Alpha", "3:\xC8ist", "4:alpha", "5:beta"}));
    EXPECT_EQ(down.rowOfNumber(4), 3);
    EXPECT_EQ(down.positionOf(0), 2);

    const MonitorTableView unknownKey(monitor.Messages, lang, 9, true);
    EXPECT_EQ(unknownKey.cellText(0, 1), "beta");
    EXPECT_EQ(unknownKey.cellText(4, 0), "5");
}

TEST_F(TMonitorTest, TableCellsShowTheMessagesPresentation)
{
    const MessageValues rows[] = {
        {"a", 1, 12, true, 2, "", "", false, false},
        {"b", 0, 8, false, 6, "/snd/own.wav", "/pic/gate.jpg", true, true},
        {"c", 0, 8, false, 5, "", "", false, true},
        {"d", 0, 8, false, 9, "", "C:\\pic\\x.bmp", false, true},
    };
    for (const MessageValues& v : rows) {
        monitor.PridejZpravu(v);
    }
    const MonitorTableView view(monitor.Messages, lang, 0, true);
    ASSERT_EQ(view.columnCount(), 7);
    EXPECT_EQ(view.title(0), "T232");
    EXPECT_EQ(view.title(6), "T226");
    const std::vector<std::vector<std::string>> expected = {
        {"1", "a", "", "12", "T228", "T261", "-"},
        {"2", "b", "", "8", "-", "own.wav", "gate.jpg"},
        {"3", "c", "", "8", "-", "T265", "T228"},
        {"4", "d", "", "8", "-", "-", "x.bmp"},
    };
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 7; ++col) {
            EXPECT_EQ(view.cellText(row, col), expected[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)])
                << row << "," << col;
        }
    }
}

TEST_F(TMonitorTest, EventTablesShowTheVisibleUserColumns)
{
    std::vector<TEvent> events = {{"X212AB4", "2", 7, {"Gate", "N", "", ""}}};
    const EventTableView view(&events, lang, {"ID", "U1", "U2", "U3", "U4"}, {true, false, true, false, false});
    ASSERT_EQ(view.columnCount(), 4);
    EXPECT_EQ(view.title(0), "T28");
    EXPECT_EQ(view.title(3), "U2");
    EXPECT_EQ(view.cellText(0, 2), "7");
    EXPECT_EQ(view.cellText(0, 3), "N");
    const EventTableView none(nullptr, lang, {}, {});
    EXPECT_EQ(none.rowCount(), 0);
    EXPECT_EQ(none.columnCount(), 2);
}
