#include "core/link/Checksum.h"
#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "core/model/MemoryImage.h"
#include "core/text/AtomicFile.h"
#include "support/FakeClock.h"
#include "support/TempFolder.h"
#include "tools/rxsim/SimProcess.h"
#include "ui/app/MainActions.h"
#include "ui/app/RecordData.h"
#include "ui/app/TMainForm.h"
#include "ui/link/CommunicationFeature.h"
#include "ui/link/LinkSession.h"
#include "ui/link/TChangePassForm.h"
#include "ui/link/TLoginForm.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/TCommForm.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace vorbix;
using ui::Dialogs;

namespace {

// Acts on a modal dialog as soon as it shows: `act` runs once, on the dialog's own event loop.
template <typename Widget, typename Act> void whenShown(Widget* widget, Act act)
{
    auto* timer = new QTimer(widget);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, widget, [timer, widget, act] {
        if (widget->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act();
        }
    });
    timer->start();
}

std::tm fixedMoment()
{
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 10;
    when.tm_hour = 9;
    when.tm_min = 8;
    when.tm_sec = 7;
    return when;
}

// vorbix-rxsim as a two-relay receiver with 32 slots behind a loopback gateway, and the main
// window on a program folder with the shipped files whose connection points at it.
class CommSequencesTest : public ::testing::Test
{
protected:
    void SetUp() override { Dialogs::clear(); }

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

    void startSimulator(const std::vector<std::string>& extra = {})
    {
        std::vector<std::string> args = {"--folder",  VORBIX_DATA_DIR,
                                         "--model",   "KV2MIN-S",
                                         "--mem-end", "10FF",
                                         "--fill",    "12",
                                         "--seed",    "3",
                                         "--tcp",     "127.0.0.1:0",
                                         "--control", "127.0.0.1:0",
                                         "--log",     folder.file("sim.log")};
        args.insert(args.end(), extra.begin(), extra.end());
        sim = std::make_unique<rxsim::test::SimProcess>(args);
        ASSERT_TRUE(sim->ready()) << sim->errors();
        control = rxsim::test::connectLoopback("127.0.0.1", sim->port("control"));
        ASSERT_GE(control, 0);
    }

    void startProgram(unsigned port)
    {
        for (const char* name : {"US.lng", "Rx.def", "RxFncUS.def", "Tx.def"}) {
            folder.copyData(name);
        }
        std::filesystem::copy(std::string(VORBIX_DATA_DIR) + "/Help", folder.file("Help"),
                              std::filesystem::copy_options::recursive);
        folder.write("Vorbix.ini", "[Setup]\r\nWelcome=0\r\nConnectionType=1\r\nIPAddress=127.0.0.1\r\nIPPort=" +
                                       std::to_string(port) + "\r\n");
        form = std::make_unique<ui::TMainForm>(folder.path(), std::vector<std::string>{});
        ASSERT_TRUE(form->create());
        form->show();
        QApplication::processEvents();
        clock.local = fixedMoment();
        comm().setClock(clock);
    }

    void start(const std::vector<std::string>& extra = {})
    {
        startSimulator(extra);
        if (!HasFatalFailure()) {
            startProgram(sim->port("tcp"));
        }
    }

    ui::CommunicationFeature& comm() { return *form->feature<ui::CommunicationFeature>(); }
    link::TKomunikace& link() { return form->linkSession().link(); }
    model::ReceiverMemory& memory() { return form->records().memory; }
    bool unlocked() const { return form->actions()->action(QStringLiteral("MenuDownload"))->isEnabled(); }

    std::string simMemory(unsigned first, unsigned last)
    {
        std::string hex;
        for (unsigned a = first; a <= last; a += 256) {
            const unsigned count = std::min(256u, last - a + 1);
            const std::string answer =
                rxsim::test::controlCommand(control, "mem " + link::HexWord(a) + " " + std::to_string(count));
            if (!answer.starts_with("OK ")) {
                return "no answer: " + answer;
            }
            hex += answer.substr(3);
        }
        return hex;
    }

    void typePassword(const QString& password)
    {
        ui::TLoginForm* login = &comm().loginForm();
        whenShown(login, [login, password] {
            login->EditPassword->setText(password);
            login->OKButton->click();
            if (login->isVisible()) {
                login->reject();
            }
        });
    }

    test::TempFolder folder;
    test::FakeClock clock;
    std::unique_ptr<rxsim::test::SimProcess> sim;
    int control = -1;
    std::unique_ptr<ui::TMainForm> form;
};

} // namespace

TEST_F(CommSequencesTest, LoginWithoutPasswordThenDownloadFillsTheViewAndWritesAReadOnlyBackup)
{
    start();
    ASSERT_FALSE(HasFatalFailure());
    bool loginShown = false;
    whenShown(&comm().loginForm(), [&] {
        loginShown = true;
        comm().loginForm().reject();
    });
    comm().MenuLoginClick();
    EXPECT_TRUE(form->state().LoggedIn);
    EXPECT_FALSE(loginShown);
    EXPECT_EQ(memory().Device.Model, "KV2MIN-S");
    EXPECT_TRUE(form->state().DataOpen); // a fresh data set of the receiver's model
    EXPECT_FALSE(link().IsOpen());
    EXPECT_TRUE(unlocked());

    comm().MenuDownloadClick();
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty()) << Dialogs::shownMessages().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(form->state().MemoryDownloaded);
    EXPECT_FALSE(form->state().MemoryChanged);
    EXPECT_EQ(memory().MemoryImage, simMemory(0x1000, 0x10FF));
    int used = 0;
    for (std::size_t k = 1; k < memory().Records.size(); ++k) {
        used += memory().Records[k].Empty ? 0 : 1;
    }
    EXPECT_EQ(used, 12);

    const std::string backup = folder.file("Backup/KV2MIN-S_261210_090807.rxd");
    EXPECT_TRUE(std::filesystem::exists(backup));
    EXPECT_TRUE(text::isReadOnly(backup));
    EXPECT_TRUE(unlocked());
    EXPECT_FALSE(link().IsOpen());

    // Login while logged in logs out.
    comm().MenuLoginClick();
    EXPECT_FALSE(form->state().LoggedIn);
}

TEST_F(CommSequencesTest, PasswordLoginRefusesTheWrongPasswordAndCancelUnlocks)
{
    start({"--password", "Secret1"});
    ASSERT_FALSE(HasFatalFailure());

    typePassword(QStringLiteral("secret1"));
    comm().MenuLoginClick();
    EXPECT_FALSE(form->state().LoggedIn);
    EXPECT_EQ(Dialogs::shownMessages(), QStringList{QString::fromStdString(LangText(form->lang(), 134))});
    EXPECT_TRUE(unlocked());
    EXPECT_FALSE(link().IsOpen());

    typePassword(QStringLiteral("Secret1"));
    comm().MenuLoginClick();
    EXPECT_TRUE(form->state().LoggedIn);
    EXPECT_TRUE(unlocked());
}

TEST_F(CommSequencesTest, UploadOfAnEditedTableIsReadBackEqual)
{
    start();
    ASSERT_FALSE(HasFatalFailure());
    comm().MenuDownloadClick(); // logs in first
    ASSERT_TRUE(form->state().LoggedIn);

    model::TData& record = memory().Records[2];
    record.Serial = "ABCDE";
    form->records().dataSet.markEdited();
    ASSERT_TRUE(form->state().MemoryChanged);

    Dialogs::preloadAnswer(app::Answer::Yes); // "upload?"
    comm().MenuUploadClick();
    EXPECT_TRUE(Dialogs::shownMessages().size() == 1) << Dialogs::shownMessages().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(form->state().MemoryChanged);
    const std::string& image = memory().UploadImage;
    ASSERT_FALSE(image.empty());
    EXPECT_EQ(simMemory(0x1000, 0x1000 + static_cast<unsigned>(image.size() / 2) - 1), image);
    EXPECT_NE(image.find("ABCDE"), std::string::npos);
    EXPECT_TRUE(unlocked());
}

TEST_F(CommSequencesTest, CancelledUploadAsksAndKeepsTheMemoryMarkedChanged)
{
    start({"--baud", "2400"});
    ASSERT_FALSE(HasFatalFailure());
    comm().MenuLoginClick();
    ASSERT_TRUE(form->state().LoggedIn);
    form->records().dataSet.markEdited();
    // Without the changes window, whose read of the receiver would take the Cancel below.
    form->settings().UploadDiff = false;

    Dialogs::preloadAnswer(app::Answer::Yes); // "upload?"
    Dialogs::preloadAnswer(app::Answer::Yes); // "stop the upload?"
    ui::TCommForm* progress = &comm().commForm();
    whenShown(progress, [progress] { progress->CancelButton->click(); });
    comm().MenuUploadClick();
    const QString stopQuestion = QString::fromStdString(LangText(form->lang(), 98));
    EXPECT_TRUE(Dialogs::shownMessages().contains(stopQuestion))
        << Dialogs::shownMessages().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(form->state().MemoryChanged);
    EXPECT_TRUE(unlocked());
    EXPECT_FALSE(link().IsOpen());
}

TEST_F(CommSequencesTest, UploadShowsWhatItChangesAndWritesNothingUnlessConfirmed)
{
    start();
    ASSERT_FALSE(HasFatalFailure());
    comm().MenuDownloadClick(); // logs in first
    ASSERT_TRUE(form->state().LoggedIn);
    const std::string before = simMemory(0x1000, 0x10FF);
    const auto logSince = [this](std::size_t from) { return folder.read("sim.log").substr(from); };
    const auto shown = [] { return Dialogs::shownMessages().join(QLatin1Char('|')).toStdString(); };
    memory().Records[2].Serial = "ABCDE";
    form->records().dataSet.markEdited();

    // Cancelled: compared with this login's download, nothing read or written.
    std::size_t logAt = folder.read("sim.log").size();
    Dialogs::clear();
    Dialogs::preloadAnswer(app::Answer::No);
    comm().MenuUploadClick();
    for (const char* part : {"Records added: 1", "Records removed: 1", "Records changed: 0", "\tadded\t",
                             "Upload the memory to the receiver?"}) {
        EXPECT_NE(shown().find(part), std::string::npos) << part << " in " << shown();
    }
    EXPECT_EQ(logSince(logAt).find("wrote"), std::string::npos) << logSince(logAt);
    EXPECT_EQ(logSince(logAt).find("erased"), std::string::npos) << logSince(logAt);
    EXPECT_EQ(simMemory(0x1000, 0x10FF), before);
    EXPECT_TRUE(form->state().MemoryChanged);
    EXPECT_TRUE(unlocked());

    // Confirmed: the upload goes on.
    Dialogs::clear();
    Dialogs::preloadAnswer(app::Answer::Yes);
    comm().MenuUploadClick();
    EXPECT_FALSE(form->state().MemoryChanged) << shown();
    EXPECT_NE(simMemory(0x1000, 0x10FF).find("ABCDE"), std::string::npos);

    // After an upload the receiver is read first: the same memory is said to be so, and Cancel
    // still writes nothing.
    const std::string uploaded = simMemory(0x1000, 0x10FF);
    logAt = folder.read("sim.log").size();
    Dialogs::clear();
    Dialogs::preloadAnswer(app::Answer::No);
    comm().MenuUploadClick();
    EXPECT_NE(shown().find("The receiver already holds this memory"), std::string::npos) << shown();
    EXPECT_EQ(logSince(logAt).find("wrote"), std::string::npos) << logSince(logAt);
    EXPECT_EQ(simMemory(0x1000, 0x10FF), uploaded);
    EXPECT_TRUE(unlocked());
    EXPECT_FALSE(link().IsOpen());
}

TEST_F(CommSequencesTest, WithTheChangesTurnedOffTheUploadAsksOnlyItsQuestion)
{
    start();
    ASSERT_FALSE(HasFatalFailure());
    comm().MenuLoginClick();
    ASSERT_TRUE(form->state().LoggedIn);
    form->settings().UploadDiff = false;
    form->records().dataSet.markEdited();
    Dialogs::clear();
    Dialogs::preloadAnswer(app::Answer::Yes);
    comm().MenuUploadClick();
    EXPECT_EQ(Dialogs::shownMessages(), QStringList{QString::fromStdString(LangText(form->lang(), 95))});
    EXPECT_FALSE(form->state().MemoryChanged);
}

TEST_F(CommSequencesTest, PasswordChangedBehindTheProgramsBackLogsOut)
{
    start();
    ASSERT_FALSE(HasFatalFailure());
    comm().MenuLoginClick();
    ASSERT_TRUE(form->state().LoggedIn);

    // Someone else sets a password while the program's link is closed.
    {
        PopisType texts;
        link::TKomunikace other(texts);
        other.Settings = link().Settings;
        model::ReceiverMemory otherMemory;
        link::TRx otherRx(other, otherMemory, texts, VORBIX_DATA_DIR);
        ASSERT_TRUE(otherRx.Init());
        ASSERT_TRUE(otherRx.PisPass("intruder"));
        otherRx.DeInit();
    }

    comm().MenuDownloadClick();
    EXPECT_FALSE(form->state().LoggedIn);
    EXPECT_EQ(Dialogs::shownMessages(), QStringList{QString::fromStdString(LangText(form->lang(), 92))});
    EXPECT_TRUE(unlocked());
    EXPECT_FALSE(link().IsOpen());
}

TEST_F(CommSequencesTest, PasswordChangeWhileLoggedOutLogsIn)
{
    start();
    ASSERT_FALSE(HasFatalFailure());
    ui::TChangePassForm* change = &comm().changePassForm();
    whenShown(change, [change] {
        EXPECT_FALSE(change->EditOldPass->isVisible()); // no password yet
        change->EditNewPass->setText(QStringLiteral("fresh"));
        change->OKButton->click();
    });
    comm().MenuPassChangeClick();
    EXPECT_TRUE(form->state().LoggedIn);
    EXPECT_EQ(memory().Device.Password, "fresh");
    EXPECT_TRUE(unlocked());
    EXPECT_EQ(simMemory(0x1000, 0x1000).size(), 2u); // the simulator still answers
}

TEST_F(CommSequencesTest, DataSetOfAnotherModelAsksBeforeLogin)
{
    start();
    ASSERT_FALSE(HasFatalFailure());
    model::TDataSet& dataSet = form->records().dataSet;
    ASSERT_TRUE(dataSet.newDataSet("KV1MOD-T", false, form->records().functions));
    ASSERT_TRUE(form->state().DataOpen);

    Dialogs::preloadAnswer(app::Answer::No);
    comm().MenuLoginClick();
    EXPECT_FALSE(form->state().LoggedIn);
    EXPECT_EQ(memory().Device.Model, "KV1MOD-T"); // the open data set keeps its own model
    EXPECT_TRUE(form->state().DataOpen);
    EXPECT_TRUE(unlocked());

    Dialogs::clear();
    Dialogs::preloadAnswer(app::Answer::Yes);
    comm().MenuLoginClick();
    EXPECT_EQ(Dialogs::shownMessages(), QStringList{QString::fromStdString(LangText(form->lang(), 77))});
    EXPECT_TRUE(form->state().LoggedIn);
    EXPECT_EQ(memory().Device.Model, "KV2MIN-S");
}

TEST_F(CommSequencesTest, LoginWithNoReceiverReportsAndUnlocks)
{
    startSimulator();
    ASSERT_FALSE(HasFatalFailure());
    const unsigned port = sim->port("tcp");
    sim->terminate();
    startProgram(port);
    comm().MenuLoginClick();
    EXPECT_FALSE(form->state().LoggedIn);
    EXPECT_FALSE(Dialogs::shownMessages().isEmpty());
    EXPECT_TRUE(unlocked());
    EXPECT_FALSE(link().IsOpen());
}
