#include "core/monitor/Reception.h"
#include "core/monitor/MonitorJournal.h"
#include "support/TempFolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vorbix;
using namespace vorbix::monitor;

namespace {

struct EventSpec
{
    std::string tx;
    std::string button;
};

// A message for the tests: its Active and Deactive events and whether it pops up a window.
TMonitorData message(int number, std::vector<EventSpec> active, std::vector<EventSpec> deactive = {},
                     bool window = false)
{
    TMonitorData m;
    m.Number = number;
    m.Text = "M" + std::to_string(number);
    for (const EventSpec& e : active) {
        m.ActiveEvents.push_back(TEvent{e.tx, e.button, 0, {}});
    }
    for (const EventSpec& e : deactive) {
        m.DeactiveEvents.push_back(TEvent{e.tx, e.button, 0, {}});
    }
    m.ShowWindow = window;
    return m;
}

class ReceptionTest : public ::testing::Test
{
protected:
    ReceptionTest() : reception(monitor, hooks()) { reception.setWorkArea({700, 1000}); }

    ReceptionHooks hooks()
    {
        ReceptionHooks h;
        h.closeTransients = [this] { ++transientsClosed; };
        h.sound = [this](const SoundRequest& request) { sounds.push_back(request); };
        h.openPopup = [this](int position, const TSlot& slot) {
            popups.push_back("open " + std::to_string(position) + " at " + std::to_string(slot.Left) + "," +
                             std::to_string(slot.Top));
        };
        h.reshowPopup = [this](int position) { popups.push_back("show " + std::to_string(position)); };
        h.closePopup = [this](int position) { popups.push_back("close " + std::to_string(position)); };
        h.changed = [this](const Change& c) {
            changes.push_back(std::string(changeKindName(c.kind)) + " " + std::to_string(c.number) + " order " +
                              std::to_string(c.order) + (c.txCode.empty() ? "" : " " + c.txCode + "/" + c.buttonCode));
        };
        return h;
    }

    // The numbers of the active messages by their order, row 1 first.
    std::vector<int> activeNumbers() const
    {
        std::vector<int> numbers;
        for (const ActiveRow& row : reception.rows()) {
            numbers.push_back(row.number);
        }
        return numbers;
    }

    void addMessages(int count, bool window = false)
    {
        for (int n = 1; n <= count; ++n) {
            const std::string serial = "0000" + std::to_string(n);
            monitor.Messages.push_back(message(n, {{"X2" + serial, "1"}}, {{"X2" + serial, "2"}}, window));
        }
    }
    void activate(int number) { reception.Prijem("X20000" + std::to_string(number), '1'); }
    void deactivate(int number) { reception.Prijem("X20000" + std::to_string(number), '2'); }

    TMonitor monitor;
    int transientsClosed = 0;
    std::vector<SoundRequest> sounds;
    std::vector<std::string> popups;
    std::vector<std::string> changes;
    Reception reception;
};

TEST_F(ReceptionTest, TheStrictestMatchWins)
{
    struct Case
    {
        const char* name;
        std::vector<TMonitorData> messages;
        std::string tx;
        char code;
        std::vector<int> active;
    };
    const std::vector<Case> cases = {
        {"identical code at strictness 4", {message(1, {{"X212AB4", "3"}})}, "X212AB4", '3', {1}},
        {"one shared button at strictness 1", {message(1, {{"X212AB4", "3"}})}, "X212AB4", '1', {1}},
        {"an exact match elsewhere keeps the looser one off",
         {message(1, {{"X212AB4", "3"}}), message(2, {{"X212AB4", "1"}})},
         "X212AB4",
         '1',
         {2}},
        {"several exact matches all switch",
         {message(1, {{"X212AB4", "1"}}), message(2, {{"X212AB4", "1"}})},
         "X212AB4",
         '1',
         {1, 2}},
        {"the prefix characters are not compared", {message(1, {{"X212AB4", "3"}})}, "Y012AB4", '3', {1}},
        {"another serial does not match", {message(1, {{"X212AB4", "3"}})}, "X212AB5", '3', {}},
        {"no shared button", {message(1, {{"X212AB4", "3"}})}, "X212AB4", '4', {}},
        {"an input device's state", {message(1, {{"A012345", "A=1,B=0"}})}, "A012345", '6', {1}},
        {"another input state", {message(1, {{"A012345", "A=1,B=0"}})}, "A012345", '9', {}},
        // A Deactive event of an inactive message switches nothing, so the looser Active match counts.
        {"a match that switches nothing does not stop the cascade",
         {message(1, {}, {{"X212AB4", "1"}}), message(2, {{"X212AB4", "3"}})},
         "X212AB4",
         '1',
         {2}},
    };
    for (const Case& c : cases) {
        TMonitor m;
        m.Messages = c.messages;
        Reception r(m, {});
        r.Prijem(c.tx, c.code);
        std::vector<int> active;
        for (const ActiveRow& row : r.rows()) {
            active.push_back(row.number);
        }
        EXPECT_EQ(active, c.active) << c.name;
        EXPECT_EQ(m.ActiveCount, static_cast<int>(c.active.size())) << c.name;
        for (const TMonitorData& msg : m.Messages) {
            EXPECT_FALSE(msg.Handled) << c.name;
        }
    }
}

TEST_F(ReceptionTest, RepeatedActiveEventAlertsAgainKeepingItsOrder)
{
    monitor.Messages.push_back(message(1, {{"X212AB4", "3"}}, {}, true));
    monitor.Messages[0].Sound = 4;
    auto clock = std::chrono::system_clock::time_point{} + std::chrono::hours(1000);
    reception.setClock([&clock] { return clock; });

    reception.Prijem("X212AB4", '3');
    clock += std::chrono::seconds(5);
    reception.Prijem("X212AB4", '3');

    EXPECT_EQ(changes, (std::vector<std::string>{"activate 1 order 1 X212AB4/3", "reactivate 1 order 1 X212AB4/3"}));
    EXPECT_EQ(popups, (std::vector<std::string>{"open 0 at 10,850", "show 0"}));
    EXPECT_EQ(sounds, (std::vector<SoundRequest>{{4, ""}, {4, ""}}));
    EXPECT_EQ(monitor.Messages[0].ActivatedAt, clock);
    EXPECT_EQ(monitor.ActiveCount, 1);
    EXPECT_EQ(transientsClosed, 2);
}

TEST_F(ReceptionTest, OrdersCloseUpAfterADeactivation)
{
    addMessages(3);
    activate(1);
    activate(2);
    activate(3);
    EXPECT_EQ(activeNumbers(), (std::vector<int>{1, 2, 3}));
    deactivate(1);
    EXPECT_EQ(activeNumbers(), (std::vector<int>{2, 3}));
    EXPECT_EQ(monitor.Messages[1].Order, 1);
    EXPECT_EQ(monitor.Messages[2].Order, 2);
    EXPECT_EQ(monitor.ActiveCount, 2);
    EXPECT_EQ(changes.back(), "deactivate 1 order 1 X200001/2");
}

TEST_F(ReceptionTest, AnEventInBothListsSwitchesOnlyOnce)
{
    monitor.Messages.push_back(message(1, {{"X212AB4", "3"}}, {{"X212AB4", "3"}}));
    reception.Prijem("X212AB4", '3'); // inactive: activated, not deactivated in the same reception
    EXPECT_EQ(monitor.Messages[0].Order, 1);
    reception.Prijem("X212AB4", '3'); // active: deactivated, not activated again
    EXPECT_EQ(monitor.Messages[0].Order, 0);
    EXPECT_EQ(changes, (std::vector<std::string>{"activate 1 order 1 X212AB4/3", "deactivate 1 order 1 X212AB4/3"}));
}

TEST_F(ReceptionTest, PopupsFillTheBottomRowThenTheRowsAboveAndReuseFreedSlots)
{
    addMessages(5, true);
    for (int n = 1; n <= 4; ++n) {
        activate(n);
    }
    EXPECT_EQ(popups, (std::vector<std::string>{"open 0 at 10,850", "open 1 at 210,850", "open 2 at 410,850",
                                                "open 3 at 10,700"}));
    // The link alarm's window takes the place the next window would, without holding it.
    const auto at = [](const TSlot& slot) { return std::pair(slot.Left, slot.Top); };
    EXPECT_EQ(at(reception.freeSlot()), std::pair(210, 700));
    deactivate(2);
    EXPECT_EQ(popups.back(), "close 1");
    EXPECT_EQ(at(reception.freeSlot()), std::pair(210, 850));
    activate(5);
    EXPECT_EQ(popups.back(), "open 4 at 210,850");
    EXPECT_EQ(monitor.Slots.size(), 4u);
}

TEST_F(ReceptionTest, SlotPositionsWrapBackToTheBottomWhenTheScreenIsFull)
{
    struct Case
    {
        WorkArea area;
        std::vector<TSlot> slots;
        int top;
        int left;
    };
    const std::vector<Case> cases = {
        {{700, 1000}, {}, 850, 10},
        {{700, 1000}, {{850, 410, 0}}, 700, 10},
        {{700, 1000}, {{850, 210, 0}}, 850, 410},
        {{700, 300}, {{150, 410, 0}}, 150, 10}, // the row above would reach the top edge
        {{700, 300}, {{160, 410, 0}}, 150, 10},
    };
    for (const Case& c : cases) {
        const TSlot slot = nextSlotPosition(c.slots, c.area);
        EXPECT_EQ(slot.Top, c.top);
        EXPECT_EQ(slot.Left, c.left);
    }
}

TEST_F(ReceptionTest, SelectAllThenDeactiveEmptiesTheTable)
{
    addMessages(5, true);
    for (int n = 1; n <= 5; ++n) {
        activate(n);
    }
    changes.clear();
    reception.SelectAll(true);
    for (const ActiveRow& row : reception.rows()) {
        EXPECT_TRUE(row.marked);
    }
    reception.Deactive();
    EXPECT_TRUE(reception.rows().empty());
    EXPECT_EQ(monitor.ActiveCount, 0);
    EXPECT_FALSE(reception.selectAllTicked());
    EXPECT_EQ(changes,
              (std::vector<std::string>{"acknowledge 1 order 1", "acknowledge 2 order 1", "acknowledge 3 order 1",
                                        "acknowledge 4 order 1", "acknowledge 5 order 1"}));
    for (const TSlot& slot : monitor.Slots) {
        EXPECT_EQ(slot.Message, -1);
    }
}

TEST_F(ReceptionTest, TickingARowUnticksSelectAllAndMarksOnlyThatRow)
{
    addMessages(3);
    activate(1);
    activate(2);
    activate(3);
    reception.SelectAll(true);
    EXPECT_TRUE(reception.TickRow(2));
    EXPECT_FALSE(reception.selectAllTicked());
    std::vector<bool> marks;
    for (const ActiveRow& row : reception.rows()) {
        marks.push_back(row.marked);
    }
    EXPECT_EQ(marks, (std::vector<bool>{false, true, false}));
    EXPECT_FALSE(reception.TickRow(4));
    reception.Deactive();
    EXPECT_EQ(activeNumbers(), (std::vector<int>{1, 3}));
}

TEST_F(ReceptionTest, ThePermanentAlarmIsRequestedUntilADeactivationSilencesIt)
{
    addMessages(2);
    monitor.Messages[0].Sound = 5;
    monitor.Messages[1].Sound = 6;
    monitor.Messages[1].SoundFile = "/sounds/door.wav";
    activate(1);
    activate(1);
    activate(2);
    deactivate(2);
    EXPECT_EQ(sounds, (std::vector<SoundRequest>{{5, ""}, {5, ""}, {6, "/sounds/door.wav"}, {0, "/sounds/door.wav"}}));
}

TEST_F(ReceptionTest, ALostLinkIsReportedOnceAndItsReturnClearsItWhileSilenceKeepsTheMessages)
{
    addMessages(1);
    monitor.Messages[0].Sound = 5;
    activate(1);
    reception.LinkLost("link lost");
    reception.LinkLost("link lost");
    EXPECT_TRUE(reception.linkLost());
    reception.Silence();
    reception.LinkRestored("link restored");
    reception.LinkRestored("link restored");
    EXPECT_FALSE(reception.linkLost());
    EXPECT_EQ(changes, (std::vector<std::string>{"activate 1 order 1 X200001/1", "link-lost 0 order 0",
                                                 "silence 0 order 0", "link-restored 0 order 0"}));
    // The loss sounds the alarm over the permanent one; silence stops it and the return plays nothing.
    EXPECT_EQ(sounds, (std::vector<SoundRequest>{{5, ""}, {4, ""}, {0, ""}}));
    EXPECT_EQ(activeNumbers(), std::vector<int>{1});
}

TEST_F(ReceptionTest, EditingOrRemovingAnActiveMessageDeactivatesItFirst)
{
    addMessages(3, true);
    activate(1);
    activate(2);
    activate(3);
    MessageValues values = monitor.Messages[0].values();
    values.Text = "edited";
    ASSERT_TRUE(monitor.Edituj(1, values));
    EXPECT_EQ(monitor.Messages[0].Order, 0);
    EXPECT_EQ(monitor.Messages[0].Slot, -1);
    EXPECT_FALSE(monitor.Messages[0].Handled);
    EXPECT_EQ(monitor.Odstran({2}), 1);
    EXPECT_EQ(popups.back(), "close 1");
    EXPECT_EQ(sounds.back().code, 0);
    ASSERT_EQ(monitor.Messages.size(), 2u);
    EXPECT_EQ(monitor.Messages[1].Order, 1); // message 3, now numbered 2
    EXPECT_EQ(monitor.ActiveCount, 1);
    EXPECT_EQ(monitor.Slots[0].Message, -1);
    EXPECT_EQ(monitor.Slots[1].Message, -1);
    EXPECT_EQ(monitor.Messages[1].Slot, 2);
    monitor.Messages.push_back(message(3, {{"X200009", "1"}}, {}, true));
    reception.Prijem("X200009", '1');
    EXPECT_EQ(monitor.Messages[2].Slot, 0); // the first freed slot, not the one still in use
}

TEST(ShownColours, BlinkingAlternatesWithBlackOrWhite)
{
    struct Case
    {
        std::uint32_t back;
        std::uint32_t text;
        bool blink;
        ShownColours off;
        ShownColours on;
    };
    const std::vector<Case> cases = {
        {0x000000, 0xFFFFFF, true, {0x000000, 0xFFFFFF}, {0xFFFFFF, 0x000000}}, // colour 6
        {0xFF0000, 0x000000, true, {0xFF0000, 0x000000}, {0x000000, 0xFF0000}}, // colour 1
        {0xFF0000, 0x000000, false, {0xFF0000, 0x000000}, {0xFF0000, 0x000000}},
    };
    for (const Case& c : cases) {
        MessageLook look;
        look.BackColour = c.back;
        look.TextColour = c.text;
        look.BlinkOn = c.blink;
        EXPECT_EQ(shownColours(look, false), c.off);
        EXPECT_EQ(shownColours(look, true), c.on);
    }
}

TEST(MonitorJournal, AppendsQuotedUtf8LinesUnderAHeaderAndNeverRewrites)
{
    test::TempFolder folder;
    std::vector<std::string> errors;
    MonitorJournal journal(folder.file(MonitorJournal::kFileName),
                           [&errors](const std::string& e) { errors.push_back(e); });
    Change change;
    change.kind = ChangeKind::Activate;
    change.number = 3;
    change.text = "Gate \"B\", \x8a"
                  "achta"; // cp1250 S with caron
    change.txCode = "X212AB4";
    change.buttonCode = "3";
    change.time = std::chrono::system_clock::from_time_t(0);
    ASSERT_TRUE(journal.append(change, "admin"));
    change.kind = ChangeKind::Acknowledge;
    change.txCode.clear();
    change.buttonCode.clear();
    ASSERT_TRUE(journal.append(change, ""));
    const std::string time = isoLocalTime(0);
    const std::string expected = std::string(MonitorJournal::kHeader) + "\r\n" + time +
                                 ",activate,3,\"Gate \"\"B\"\", \xc5\xa0"
                                 "achta\",X212AB4,3,admin\r\n" +
                                 time +
                                 ",acknowledge,3,\"Gate \"\"B\"\", \xc5\xa0"
                                 "achta\",,,\r\n";
    EXPECT_EQ(folder.read(MonitorJournal::kFileName), expected);

    // An existing journal keeps what it holds and gets no second header.
    folder.write("old.csv", "kept\r\n");
    MonitorJournal old(folder.file("old.csv"), {});
    ASSERT_TRUE(old.append(change, ""));
    EXPECT_EQ(folder.read("old.csv").rfind("kept\r\n" + time + ",acknowledge,", 0), 0u);
    EXPECT_TRUE(errors.empty());
}

TEST(MonitorJournal, AFailureIsReportedOnce)
{
    test::TempFolder folder;
    std::vector<std::string> errors;
    MonitorJournal journal(folder.file("missing/MonitorJournal.csv"),
                           [&errors](const std::string& e) { errors.push_back(e); });
    EXPECT_FALSE(journal.append({}, ""));
    EXPECT_FALSE(journal.append({}, ""));
    EXPECT_EQ(errors.size(), 1u);
}

// A journal on a file system that fills up: a write that stops short leaves no part line behind,
// and a journal someone left without a final line break gets one before the next line. The file
// size limit of a child process makes the kernel cut the writes short as a full disk would.
TEST(MonitorJournal, AFullDiskLeavesWholeLinesOnly)
{
    test::TempFolder folder;
    const std::string path = folder.file(MonitorJournal::kFileName);
    const std::string line = "2026-12-11T01:41:47,activate,1,Gate,X212AB4,3,";
    const std::string header = std::string(MonitorJournal::kHeader) + "\r\n";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{header.size() + 2 * (line.size() + 2) + 20, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        int written = 0;
        for (int i = 0; i < 5; ++i) {
            written += appendJournalLine(path, line, error) ? 1 : 0;
        }
        ::_exit(written == 2 && error.find("short write") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(folder.read(MonitorJournal::kFileName), header + line + "\r\n" + line + "\r\n");

    folder.write(MonitorJournal::kFileName, header + "cut off by someone");
    std::string error;
    ASSERT_TRUE(appendJournalLine(path, line, error)) << error;
    EXPECT_EQ(folder.read(MonitorJournal::kFileName), header + "cut off by someone\r\n" + line + "\r\n");
}

} // namespace
