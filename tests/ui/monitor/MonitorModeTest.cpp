// Monitor mode in the main window against vorbix-rxsim behind a loopback gateway: entering with
// the login and the on-line start, the messages switched by the simulator's events, their pop-up
// windows, the acknowledgement, the journal, and leaving.
#include "support/EventWait.h"
#include "support/WindowParts.h"
#include "ui/monitor/MonitorModeFeature.h"

#include "support/TempFolder.h"
#include "tools/rxsim/SimProcess.h"
#include "ui/app/MainActions.h"
#include "ui/app/SoundPlayer.h"
#include "ui/app/TMainForm.h"
#include "ui/monitor/MessageGrid.h"
#include "ui/monitor/TMonitorMessageForm.h"
#include "ui/online/OnlineFeature.h"
#include "ui/online/OnlinePanel.h"
#include "ui/widgets/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace vorbix;
using ui::Dialogs;

namespace {

class MonitorModeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Dialogs::clear();
        sim = std::make_unique<rxsim::test::SimProcess>(std::vector<std::string>{
            "--folder", VORBIX_DATA_DIR, "--model", "KV2MIN-S", "--mem-end", "10FF", "--fill", "5", "--seed", "3",
            "--tcp", "127.0.0.1:0", "--control", "127.0.0.1:0", "--log", folder.file("sim.log")});
        ASSERT_TRUE(sim->ready()) << sim->errors();
        control = rxsim::test::connectLoopback("127.0.0.1", sim->port("control"));
        ASSERT_GE(control, 0);
        for (const char* name : {"US.lng", "Rx.def", "RxFncUS.def", "Tx.def"}) {
            folder.copyData(name);
        }
        std::filesystem::copy(std::string(VORBIX_DATA_DIR) + "/Help", folder.file("Help"),
                              std::filesystem::copy_options::recursive);
        folder.write("Vorbix.ini", "[Setup]\r\nWelcome=0\r\nConnectionType=1\r\nIPAddress=127.0.0.1\r\nIPPort=" +
                                       std::to_string(sim->port("tcp")) + "\r\n");
        // Message 1 pops up and blinks in black; message 2 only goes into the table.
        const std::string setup = folder.write("alarm.mon", "Vorbix monitor setup file\r\n"
                                                            "1#Gate open#6#12#0###1#0#1#\r\n"
                                                            "Active:0100001#1#n#end\r\n"
                                                            "Deactive:0100001#2#n#end\r\n"
                                                            "2#Door#1#8#0###0#0#0#\r\n"
                                                            "Active:0100002#1#n#end\r\n"
                                                            "Deactive:end\r\n");
        form = std::make_unique<ui::TMainForm>(folder.path(), std::vector<std::string>{});
        ASSERT_TRUE(form->create());
        form->show();
        QApplication::processEvents();
        ASSERT_TRUE(mode().setup().Nacti(setup));
    }

    void TearDown() override
    {
        if (form) {
            form->state().DataOpen = false;
            form->state().LoggedIn = false;
            form->close();
            form.reset();
        }
        if (control >= 0) {
            ::close(control);
        }
        Dialogs::clear();
    }

    ui::MonitorModeFeature& mode() { return *form->feature<ui::MonitorModeFeature>(); }
    std::string command(const std::string& line) { return rxsim::test::controlCommand(control, line); }
    void press(const std::string& tx, const std::string& button)
    {
        // The start of on-line mode is given a moment, as a report at once may get lost.
        (void)test::waitUntil([] { return false; }, 1);
        ASSERT_TRUE(command("press " + tx + " " + button).starts_with("OK "));
    }
    std::vector<int> activeNumbers()
    {
        std::vector<int> numbers;
        for (const auto& row : mode().grid().table().rows()) {
            numbers.push_back(row.number);
        }
        return numbers;
    }
    bool menuEnabled(const char* name)
    {
        return form->actions()->menu(QString::fromLatin1(name))->menuAction()->isEnabled();
    }
    bool actionEnabled(const char* name) { return form->actions()->action(QString::fromLatin1(name))->isEnabled(); }
    // The main window's keys reach their commands only in the active window.
    void key(QKeyCombination keys)
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), keys.key(), keys.keyboardModifiers());
    }

    test::TempFolder folder;
    std::unique_ptr<rxsim::test::SimProcess> sim;
    int control = -1;
    std::unique_ptr<ui::TMainForm> form;
};

} // namespace

TEST_F(MonitorModeTest, EnterWithLoginAndOnlineAlarmAcknowledgeAndLeaveWithExit)
{
    ASSERT_FALSE(form->state().LoggedIn);
    form->actions()->action(QStringLiteral("MenuMonitor"))->trigger();
    ASSERT_TRUE(form->state().LoggedIn) << Dialogs::shownMessages().join(QLatin1Char('|')).toStdString();
    ASSERT_TRUE(form->state().OnLine);
    EXPECT_TRUE(mode().inMonitorMode());
    EXPECT_TRUE(test::pageControlOf(*form)->isHidden());
    EXPECT_TRUE(test::onlinePanelOf(*form)->isHidden());
    EXPECT_TRUE(form->actions()->toolBar()->isHidden());
    EXPECT_FALSE(menuEnabled("MFile"));
    EXPECT_TRUE(menuEnabled("MHelp"));
    EXPECT_TRUE(mode().blinkTimer().isActive());

    // Activation: a row and the pop-up window at the first slot, bottom left of the work area.
    press("0100001", "1");
    ASSERT_TRUE(test::waitUntil([&] { return activeNumbers() == std::vector<int>{1}; }));
    // The status read locked and unlocked the communication commands: the layout keeps them out of reach.
    EXPECT_TRUE(menuEnabled("MCommunication"));
    for (const char* name : {"MenuCommSetup", "MenuDownload", "MenuUpload", "MenuLogin", "MenuOnline"}) {
        EXPECT_FALSE(actionEnabled(name)) << name;
    }
    EXPECT_TRUE(actionEnabled("MenuMonitor"));
    EXPECT_TRUE(actionEnabled("MenuSilence"));
    ui::TMonitorMessageForm* popup = mode().popupOf(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    const QRect area = form->screen()->availableGeometry();
    EXPECT_EQ(popup->pos(), area.topLeft() + QPoint(10, area.height() - 150));
    EXPECT_EQ(popup->TextLabel->text(), QStringLiteral("Gate open"));
    EXPECT_EQ(popup->windowTitle(), QStringLiteral("Message 1"));
    EXPECT_GE(popup->width(), ui::TMonitorMessageForm::kMinWidth);
    EXPECT_LE(popup->height(), ui::TMonitorMessageForm::kMaxHeight);

    // The user closes the window; the same event alerts again and shows it again, order kept.
    popup->close();
    press("0100002", "1");
    ASSERT_TRUE(test::waitUntil([&] { return activeNumbers() == std::vector<int>{1, 2}; }));
    press("0100001", "1");
    ASSERT_TRUE(test::waitUntil([&] { return popup->isVisible(); }));
    EXPECT_EQ(activeNumbers(), (std::vector<int>{1, 2}));
    EXPECT_EQ(mode().popupOf(0), popup);

    // Acknowledgement of message 1 by its tick box and "Deactive": its window goes, 2 moves up.
    emit mode().grid().tickPressed(1);
    mode().deactiveButton()->click();
    EXPECT_EQ(activeNumbers(), std::vector<int>{2});
    EXPECT_EQ(mode().popupOf(0), nullptr);

    // "Exit" acknowledges the rest and leaves; on-line mode was started for monitor mode and stops.
    mode().exitButton()->click();
    EXPECT_TRUE(activeNumbers().empty());
    EXPECT_FALSE(mode().inMonitorMode());
    EXPECT_FALSE(test::pageControlOf(*form)->isHidden());
    EXPECT_FALSE(form->actions()->toolBar()->isHidden());
    EXPECT_TRUE(menuEnabled("MFile"));
    EXPECT_TRUE(actionEnabled("MenuDownload"));
    EXPECT_FALSE(actionEnabled("MenuSilence"));
    EXPECT_FALSE(mode().blinkTimer().isActive());
    EXPECT_FALSE(form->state().OnLine);

    const std::string journal = folder.read("MonitorJournal.csv");
    for (const char* kind : {",activate,1,", ",activate,2,", ",reactivate,1,", ",acknowledge,1,", ",acknowledge,2,"}) {
        EXPECT_NE(journal.find(kind), std::string::npos) << kind << "\n" << journal;
    }
    EXPECT_EQ(journal.rfind("time,kind,message,text,tx,button,user\r\n", 0), 0u);
}

TEST_F(MonitorModeTest, AnOperatorLeavingClosesTheProgram)
{
    form->actions()->action(QStringLiteral("MenuMonitor"))->trigger();
    ASSERT_TRUE(mode().inMonitorMode());
    form->state().AdminRights = false;
    mode().exitButton()->click();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MonitorModeTest, ABlackBlinkingMessageAlternatesBetweenBlackAndWhite)
{
    mode().reception().AktivujZpravu(0); // colour 6, blinking, with a window
    ui::TMonitorMessageForm* popup = mode().popupOf(0);
    ASSERT_NE(popup, nullptr);
    ui::MessageTableModel& table = mode().grid().table();
    mode().MessageGridRefresh();
    const QModelIndex cell = table.index(0, ui::MessageTableModel::Text);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> seen;
    for (int tick = 0; tick < 3; ++tick) {
        mode().BlinkTimerTimer();
        table.blink(mode().setup().BlinkPhase);
        const auto shown = popup->colours();
        seen.emplace_back(shown.background, shown.text);
        EXPECT_EQ(table.data(cell, Qt::BackgroundRole).value<QColor>().rgb() & 0xFFFFFF, shown.background);
        EXPECT_EQ(table.data(cell, Qt::ForegroundRole).value<QColor>().rgb() & 0xFFFFFF, shown.text);
    }
    using Colours = std::pair<std::uint32_t, std::uint32_t>;
    EXPECT_EQ(seen, (std::vector<Colours>{{0xFFFFFF, 0x000000}, {0x000000, 0xFFFFFF}, {0xFFFFFF, 0x000000}}));
    EXPECT_EQ(popup->Image1->pixmap().size(), QSize(125, 41)) << "the default picture";
}

TEST_F(MonitorModeTest, AnAlarmClosesOurOwnMenuThatWouldHideIt)
{
    QMenu menu(form.get());
    menu.addAction(QStringLiteral("Something"));
    menu.popup(form->mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(test::waitUntil([&] { return menu.isVisible(); }));
    mode().reception().Prijem("0100002", '1');
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(mode().setup().ActiveCount, 1);
}

TEST_F(MonitorModeTest, ALostLinkIsAnAlarmUntilItIsBackSilenceStopsTheSoundAndTheCommandLeavesMessagesActive)
{
    online::OnlineTimings timings;
    timings.timeScale = 0.1; // reconnect attempts after 0.1, 0.3, 0.8, 1.8 s
    form->feature<ui::OnlineFeature>()->setTimings(timings);
    form->actions()->action(QStringLiteral("MenuMonitor"))->trigger();
    ASSERT_TRUE(mode().inMonitorMode());
    press("0100002", "1");
    ASSERT_TRUE(test::waitUntil([&] { return activeNumbers() == std::vector<int>{2}; }));

    // The gateway refuses connections for a while.
    ASSERT_TRUE(command("drop 1500").starts_with("OK"));
    ui::MessageTableModel& table = mode().grid().table();
    ASSERT_TRUE(test::waitUntil([&] { return table.linkAlarmRow() >= 0; }, 15));
    const int row = table.linkAlarmRow();
    EXPECT_EQ(row, 1) << "after the message activated before";
    const QString text = QStringLiteral("The link to the receiver is lost; no alarm can arrive");
    EXPECT_EQ(table.data(table.index(row, ui::MessageTableModel::Text), Qt::DisplayRole).toString(), text);
    EXPECT_FALSE(table.data(table.index(row, ui::MessageTableModel::Tick), Qt::CheckStateRole).isValid());
    const auto background = [&](bool phase) {
        table.blink(phase);
        return table.data(table.index(row, ui::MessageTableModel::Text), Qt::BackgroundRole).value<QColor>().rgb() &
               0xFFFFFF;
    };
    EXPECT_EQ(background(false), 0xFF0000u) << "red";
    EXPECT_EQ(background(true), 0x000000u) << "blinking";
    ASSERT_NE(mode().linkPopup(), nullptr);
    EXPECT_TRUE(mode().linkPopup()->isVisible());
    EXPECT_EQ(mode().linkPopup()->TextLabel->text(), text);
    EXPECT_EQ(form->sounds().requestedCode(), 4) << "the Alarm sound";

    // Silence, by its key: the sound stops, the message and the alarm stay. Ticking the alarm's row
    // and Deactive do not clear it.
    key(Qt::CTRL | Qt::Key_M);
    EXPECT_EQ(form->sounds().requestedCode(), 0);
    emit mode().grid().tickPressed(row + 1);
    mode().deactiveButton()->click();
    EXPECT_EQ(activeNumbers(), std::vector<int>{2});
    EXPECT_EQ(table.linkAlarmRow(), row);

    // The link comes back: the alarm and its window go by themselves.
    ASSERT_TRUE(test::waitUntil([&] { return table.linkAlarmRow() < 0; }, 30));
    EXPECT_EQ(mode().linkPopup(), nullptr);
    EXPECT_EQ(activeNumbers(), std::vector<int>{2});
    const std::string journal = folder.read("MonitorJournal.csv");
    const std::size_t lost = journal.find(",link-lost,0," + text.toStdString());
    const std::size_t silence = journal.find(",silence,");
    const std::size_t restored = journal.find(",link-restored,0,The link to the receiver is restored");
    ASSERT_NE(restored, std::string::npos) << journal;
    EXPECT_LT(lost, silence) << journal;
    EXPECT_LT(silence, restored) << journal;

    // Ctrl+F12 leaves monitor mode and keeps the message active for its return.
    key(Qt::CTRL | Qt::Key_F12);
    EXPECT_FALSE(mode().inMonitorMode());
    EXPECT_EQ(mode().setup().ActiveCount, 1);
    key(Qt::CTRL | Qt::Key_F12);
    ASSERT_TRUE(mode().inMonitorMode());
    EXPECT_EQ(activeNumbers(), std::vector<int>{2});
}
