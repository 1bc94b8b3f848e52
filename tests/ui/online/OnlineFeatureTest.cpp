// On-line mode in the main window against vorbix-rxsim behind a loopback gateway: the command,
// the panel, the hand-over to the history, and a communication sequence that borrows the link.
#include "ui/online/OnlineFeature.h"
#include "core/base/TextNumbers.h"
#include "core/link/Checksum.h"
#include "core/link/Komunikace.h"
#include "core/link/LinkTimings.h"
#include "core/online/OnlineTimings.h"
#include "support/TempFolder.h"
#include "tools/rxsim/SimProcess.h"
#include "ui/app/Dialogs.h"
#include "ui/app/MainActions.h"
#include "ui/app/OnlinePanel.h"
#include "ui/app/QtText.h"
#include "ui/app/TMainForm.h"
#include "ui/link/CommunicationFeature.h"
#include "ui/link/LinkSession.h"
#include "ui/link/TCommForm.h"
#include "ui/lists/ListsFeature.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace vorbix;
using ui::Dialogs;

namespace {

// Processes events until `done` or `seconds` passed.
bool waitUntil(const std::function<bool()>& done, int seconds = 5)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > seconds * 1000) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        ::usleep(5000);
    }
    return true;
}

class OnlineFeatureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Dialogs::clear();
        sim = std::make_unique<rxsim::test::SimProcess>(
            std::vector<std::string>{"--folder", VORBIX_DATA_DIR, "--model", "KV2MIN-S", "--mem-end", "10FF", "--fill",
                                     "5", "--seed", "3", "--tcp", "127.0.0.1:0", "--control", "127.0.0.1:0"});
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
        form = std::make_unique<ui::TMainForm>(folder.path(), std::vector<std::string>{});
        ASSERT_TRUE(form->create());
        form->show();
        QApplication::processEvents();
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

    // A report sent at once after on-line mode (re)started was seen to get lost now and then
    // (after a download more often than not); the tests give the start a moment first.
    static void settleAfterStart()
    {
        (void)waitUntil([] { return false; }, 1);
    }

    ui::OnlineFeature& online() { return *form->feature<ui::OnlineFeature>(); }
    ui::OnlinePanel& panel() { return *form->onlinePanel(); }
    QAction* menuOnline() { return form->actions()->action(QStringLiteral("MenuOnline")); }
    QString text(int n) { return ui::fromCp(LangText(form->lang(), n)); }
    std::string command(const std::string& line) { return rxsim::test::controlCommand(control, line); }

    // The code of the transmitter in slot k (from 1): "01" and the record's five serial digits.
    std::string codeOfSlot(int k)
    {
        const auto first = static_cast<unsigned>(0x1000 + 8 * (k - 1));
        const std::string answer = command("mem " + link::HexWord(first) + " 8");
        return answer.starts_with("OK ") ? "01" + answer.substr(3 + 2, 5) : answer;
    }

    test::TempFolder folder;
    std::unique_ptr<rxsim::test::SimProcess> sim;
    int control = -1;
    std::unique_ptr<ui::TMainForm> form;
};

} // namespace

TEST_F(OnlineFeatureTest, TheCommandLogsInListensShowsEventsAndStops)
{
    form->settings().HistoryMonitorLevel = 4;
    ui::LinkSession& link = form->linkSession();
    EXPECT_TRUE(link.keepAliveRunning());

    // Not logged in: the command logs in first (no password), then goes on-line.
    menuOnline()->trigger();
    ASSERT_TRUE(form->state().LoggedIn);
    ASSERT_TRUE(form->state().OnLine) << Dialogs::shownMessages().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(online().running());
    EXPECT_TRUE(link.link().IsOpen());
    EXPECT_FALSE(link.keepAliveRunning()) << "the session sends its own keep-alives";
    EXPECT_EQ(menuOnline()->text(), text(lang::kMenuStopOnline));
    EXPECT_TRUE(menuOnline()->isEnabled());

    settleAfterStart();
    const std::string tx = codeOfSlot(3);
    ASSERT_EQ(tx.size(), 7u) << tx;
    ASSERT_TRUE(command("lowbatt " + tx + " 2").starts_with("OK ")) << tx;
    ASSERT_TRUE(waitUntil([&] { return panel().EditLastTx->text() == QString::fromStdString(tx); }))
        << panel().EditLastTx->text().toStdString();
    EXPECT_EQ(panel().EditLastBtn->text(), QStringLiteral("2"));
    EXPECT_EQ(panel().EditLastMem->text(), QStringLiteral("3"));
    EXPECT_FALSE(panel().LowBattLabel->isHidden());
    EXPECT_TRUE(panel().TempLabel->isHidden());
    const auto& history = form->feature<ui::ListsFeature>()->history().Records;
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].TxCode, tx);
    EXPECT_TRUE(history[0].LowBatt);

    ASSERT_TRUE(command("temp B000001 5118").starts_with("OK "));
    ASSERT_TRUE(waitUntil([&] { return panel().EditLastTx->text() == QStringLiteral("B000001"); }));
    EXPECT_EQ(panel().EditLastMem->text(), QStringLiteral("-"));
    EXPECT_TRUE(panel().LowBattLabel->isHidden());
    EXPECT_FALSE(panel().TempLabel->isHidden());
    EXPECT_TRUE(panel().TempLabel->text().startsWith(QStringLiteral("20"))) << panel().TempLabel->text().toStdString();

    menuOnline()->trigger(); // the command toggles
    EXPECT_FALSE(form->state().OnLine);
    EXPECT_FALSE(online().running());
    EXPECT_FALSE(link.link().IsOpen());
    EXPECT_TRUE(link.keepAliveRunning());
    EXPECT_EQ(menuOnline()->text(), text(lang::kMenuStartOnline));
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty()) << Dialogs::shownMessages().join(QLatin1Char('|')).toStdString();
}

TEST_F(OnlineFeatureTest, ADownloadBorrowsTheLinkAndOnlineModeResumes)
{
    menuOnline()->trigger();
    ASSERT_TRUE(form->state().OnLine);

    form->feature<ui::CommunicationFeature>()->MenuDownloadClick();
    EXPECT_TRUE(form->state().MemoryDownloaded) << Dialogs::shownMessages().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(form->state().OnLine);
    EXPECT_TRUE(online().running());
    EXPECT_FALSE(form->linkSession().keepAliveRunning());
    EXPECT_TRUE(menuOnline()->isEnabled());

    // Still listening after the restart.
    settleAfterStart();
    ASSERT_TRUE(command("press 0100001 1").starts_with("OK "));
    EXPECT_TRUE(waitUntil([&] { return panel().EditLastTx->text() == QStringLiteral("0100001"); }));

    // A logout ends on-line mode.
    form->feature<ui::CommunicationFeature>()->Logout();
    EXPECT_FALSE(form->state().OnLine);
    EXPECT_FALSE(online().running());
}

TEST_F(OnlineFeatureTest, CancelInTheWaitBetweenFailedReadsEndsOnlineMode)
{
    link::LinkTimings timings;
    timings.tcpCharTimeout = std::chrono::milliseconds(100);
    form->linkSession().link().setTimings(timings);
    online::OnlineTimings waits;
    waits.timeScale = 0.05; // a wait of 1.5 s instead of 30
    online().setTimings(waits);
    menuOnline()->trigger();
    ASSERT_TRUE(form->state().OnLine);

    settleAfterStart();
    // The receiver reports and then stops answering before the status read.
    ASSERT_TRUE(command("press 0100001 1").starts_with("OK "));
    ASSERT_EQ(command("stall on"), "OK stall on");
    ui::TCommForm& wait = online().waitForm();
    // A failed read gives up only after the link's own retries.
    ASSERT_TRUE(waitUntil([&] { return wait.isVisible(); }, 30));
    EXPECT_EQ(wait.Label1->text(), text(lang::kOnlineNextAttempt));
    wait.CancelButton->click();

    EXPECT_TRUE(waitUntil([&] { return !form->state().OnLine; }, 30));
    EXPECT_FALSE(wait.isVisible());
    EXPECT_FALSE(online().running());
    EXPECT_FALSE(form->linkSession().link().IsOpen());
    EXPECT_TRUE(menuOnline()->isEnabled());
    EXPECT_EQ(menuOnline()->text(), text(lang::kMenuStartOnline));
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty()) << Dialogs::shownMessages().join(QLatin1Char('|')).toStdString();
}
