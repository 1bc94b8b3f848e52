#include "ui/link/LinkSession.h"
#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "core/model/TDataSet.h"
#include "tools/rxsim/SimProcess.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/TCommForm.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace vorbix;
using ui::LinkLease;
using ui::LinkSession;

namespace {

// A link session as the main window sets it up: a command lock and a preemptible user (on-line
// mode) that the test watches. The receiver is vorbix-rxsim behind a loopback gateway.
class LinkSessionTest : public ::testing::Test
{
protected:
    LinkSessionTest()
    {
        ui::Dialogs::clear();
        session.setCommandLock([this](bool locked) { commandsLocked = locked; });
        session.setPreemptibleUser(
            [this] {
                const bool wasRunning = userRunning;
                userRunning = false;
                return wasRunning;
            },
            [this] { userRunning = true; });
        session.link().setPinger([](const std::string&) { return link::PingResult::Reply; });
        pointAt(1); // a closed loopback port
    }
    ~LinkSessionTest() override { ui::Dialogs::clear(); }

    void pointAt(unsigned port)
    {
        link::ConnectionSettings& settings = session.link().Settings;
        settings.ConnectionType = link::ConnectionKind::TcpIp;
        settings.IPAddress = "127.0.0.1";
        settings.IPPort = std::to_string(port);
        session.link().NastavIni();
    }

    void startSimulator()
    {
        sim = std::make_unique<rxsim::test::SimProcess>(std::vector<std::string>{
            "--folder", VORBIX_DATA_DIR, "--model", "KV2MIN-S", "--mem-end", "10FF", "--tcp", "127.0.0.1:0"});
        ASSERT_TRUE(sim->ready()) << sim->errors();
        pointAt(sim->port("tcp"));
    }

    static PopisType numberedTexts()
    {
        PopisType texts;
        for (int n = 0; n < 310; ++n) {
            texts.push_back("T" + std::to_string(n));
        }
        return texts;
    }

    PopisType lang = numberedTexts();
    model::ReceiverMemory memory;
    QWidget window;
    LinkSession session{lang, memory, VORBIX_DATA_DIR, &window};
    bool commandsLocked = false;
    bool userRunning = false;
    std::unique_ptr<rxsim::test::SimProcess> sim;
};

} // namespace

TEST_F(LinkSessionTest, ASecondLeaseIsRefusedWhileTheFirstIsHeld)
{
    userRunning = true;
    session.link().CancelRequested = true; // left over from an earlier sequence
    LinkLease first = session.lease();
    ASSERT_TRUE(first);
    EXPECT_TRUE(commandsLocked);
    EXPECT_FALSE(userRunning);
    EXPECT_TRUE(first.stoppedPreemptibleUser());
    EXPECT_FALSE(session.link().CancelRequested);

    {
        LinkLease second = session.lease();
        EXPECT_FALSE(second);
    }
    // The refused lease released nothing.
    EXPECT_TRUE(commandsLocked);
    EXPECT_TRUE(session.leaseHeld());

    first.finish();
    first.release();
    EXPECT_FALSE(commandsLocked);
    EXPECT_TRUE(userRunning); // a finished sequence gives the link back
    EXPECT_TRUE(session.lease());
}

TEST_F(LinkSessionTest, ATimerFiringWhileTheLinkWaitsIsRefusedNotBlocked)
{
    startSimulator();
    ASSERT_FALSE(HasFatalFailure());
    LinkLease lease = session.lease();
    ASSERT_TRUE(lease);
    // The connect and the identification wait on this thread and process events meanwhile.
    int refused = 0;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] { refused += session.lease() ? 0 : 1; });
    poll.start();
    EXPECT_TRUE(lease.identify());
    poll.stop();
    EXPECT_GT(refused, 0);
    EXPECT_EQ(memory.Device.Model, "KV2MIN-S");
}

TEST_F(LinkSessionTest, EveryFailingStepUnlocksClosesAndKeepsOnlineModeStopped)
{
    startSimulator();
    ASSERT_FALSE(HasFatalFailure());
    const unsigned simPort = sim->port("tcp");
    {
        LinkLease login = session.lease();
        ASSERT_TRUE(login.identify());
    }
    const model::TDevice loggedIn = memory.Device;
    enum class Step
    {
        Open,
        Password,
        Job,
    };
    for (const Step failing : {Step::Open, Step::Password, Step::Job}) {
        SCOPED_TRACE(static_cast<int>(failing));
        pointAt(failing == Step::Open ? 1 : simPort);
        memory.Device = loggedIn;
        if (failing == Step::Password) {
            memory.Device.Password = "intruder"; // the receiver's password changed since the login
        }
        userRunning = true;
        bool jobRan = false;
        {
            LinkLease lease = session.lease();
            ASSERT_TRUE(lease);
            EXPECT_TRUE(commandsLocked);
            const bool opened = lease.open();
            EXPECT_EQ(opened, failing != Step::Open);
            if (opened) {
                EXPECT_TRUE(session.link().IsOpen());
                const bool checked = lease.checkReceiver();
                EXPECT_EQ(checked, failing != Step::Password);
                if (checked) {
                    ui::TCommForm progress;
                    EXPECT_FALSE(lease.runJob(progress, [&jobRan](const ui::JobContext&) {
                        jobRan = true;
                        return false;
                    }));
                }
            }
        }
        EXPECT_EQ(jobRan, failing == Step::Job);
        EXPECT_FALSE(commandsLocked);
        EXPECT_FALSE(session.link().IsOpen());
        EXPECT_FALSE(session.leaseHeld());
        EXPECT_FALSE(userRunning); // the receiver may be gone: on-line mode is not restarted
        if (failing != Step::Job) {
            EXPECT_FALSE(ui::Dialogs::shownMessages().isEmpty()); // the user was told why
        }
        ui::Dialogs::clear();
    }
}

TEST_F(LinkSessionTest, AJobWithoutALeaseIsRefused)
{
    ui::TCommForm progress;
    bool ran = false;
    auto job = [&ran](const ui::JobContext&) {
        ran = true;
        return true;
    };
    EXPECT_EQ(session.runJob(progress, job), LinkSession::JobResult::Refused);
    {
        LinkLease lease = session.lease();
        ASSERT_TRUE(lease);
        EXPECT_EQ(session.runJob(progress, job), LinkSession::JobResult::Succeeded);
    }
    ran = false;
    EXPECT_EQ(session.runJob(progress, job), LinkSession::JobResult::Refused);
    EXPECT_FALSE(ran);
    EXPECT_FALSE(progress.isVisible());
}
