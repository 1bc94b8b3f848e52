#include "ui/link/CommPart.h"

#include "core/model/MemoryImage.h"
#include "ui/app/Dialogs.h"
#include "ui/app/MainActions.h"
#include "ui/app/QtText.h"
#include "ui/app/TInfoForm.h"
#include "ui/app/TMainForm.h"
#include "ui/link/TChangePassForm.h"
#include "ui/link/TCommForm.h"
#include "ui/link/TCommSetupForm.h"
#include "ui/link/TKom.h"
#include "ui/link/TLoginForm.h"
#include "ui/views/ViewsPart.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QThread>
#include <QTimer>

namespace vorbix::ui {
namespace {

constexpr int kKeepAliveMs = 6000;

bool onWindowThread()
{
    return QThread::currentThread() == qApp->thread();
}

// Counts a running sequence, so that the window is not closed under it.
class BusyScope
{
public:
    explicit BusyScope(int& counter) : m_counter(counter) { ++m_counter; }
    ~BusyScope() { --m_counter; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    int& m_counter;
};

} // namespace

CommPart::CommPart(TMainForm& window, ViewsPart& views) : QObject(&window), m_window(window), m_views(views)
{
    m_link = std::make_unique<link::TKomunikace>(window.lang());
    m_rx = std::make_unique<link::TRx>(*m_link, views.memory(), window.lang(), window.programFolder());

    const ErrorSink sink = [this](const std::string& message) { reportError(message); };
    m_link->setErrorSink(sink);
    m_rx->setErrorSink(sink);
    // While the link waits on this thread the window stays responsive and the busy window's Cancel
    // reaches the link; on the worker there is nothing to pump.
    m_link->setPump([] {
        if (onWindowThread()) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    });

    m_worker = new TKom(this);
    m_commForm = new TCommForm(&window);
    m_setupForm = new TCommSetupForm(&window);
    m_loginForm = new TLoginForm(&window);
    m_changePassForm = new TChangePassForm(&window);
    m_commForm->setCancelFlag(&m_link->CancelRequested);
    window.infoForm()->setCancelFlag(&m_link->CancelRequested);
    m_worker->setCancelQuestion(
        [this] { return Dialogs::yesNo(m_commForm, m_window.windowTitle(), fromCp(LangText(m_window.lang(), 98))); });

    m_keepAlive = new QTimer(this);
    m_keepAlive->setInterval(kKeepAliveMs);
    connect(m_keepAlive, &QTimer::timeout, this, [this] {
        if (m_link->IsOpen()) {
            m_link->KeepAlive();
        }
    });
    m_keepAlive->start();
    connectActions();
}

CommPart::~CommPart()
{
    m_link->Zavri();
}

void CommPart::connectActions()
{
    MainActions* actions = m_window.actions();
    const std::pair<const char*, void (CommPart::*)()> commands[] = {
        {"MenuLogin", &CommPart::MenuLoginClick},           {"MenuCommSetup", &CommPart::MenuCommSetupClick},
        {"MenuDownload", &CommPart::MenuDownloadClick},     {"MenuUpload", &CommPart::MenuUploadClick},
        {"MenuPassChange", &CommPart::MenuPassChangeClick},
    };
    for (const auto& [name, handler] : commands) {
        if (QAction* action = actions->action(QString::fromLatin1(name))) {
            connect(action, &QAction::triggered, this, handler);
        }
    }
}

void CommPart::applySettings()
{
    m_link->Settings = m_window.settings().connection;
    m_link->SerialPorts = m_window.settings().serialPorts;
    m_link->NastavIni();
}

void CommPart::storeSettings()
{
    m_window.settings().connection = m_link->Settings;
}

void CommPart::giveLanguage()
{
    m_commForm->setLanguage(&m_window.lang());
    m_setupForm->setLanguage(&m_window.lang());
    m_loginForm->setLanguage(&m_window.lang());
    m_changePassForm->setLanguage(&m_window.lang());
}

std::string CommPart::receiverDescription() const
{
    return m_window.state().LoggedIn ? m_views.memory().Device.Description : std::string();
}

void CommPart::reportError(const std::string& message)
{
    auto show = [this, message] { Dialogs::error(&m_window, fromCp(message)); };
    if (onWindowThread()) {
        show();
    } else {
        // A transfer on the worker waits until the user has read its message.
        QMetaObject::invokeMethod(&m_window, show, Qt::BlockingQueuedConnection);
    }
}

void CommPart::showBusy(bool cancellable)
{
    TInfoForm* info = m_window.infoForm();
    info->Label1->setText(fromCp(LangText(m_window.lang(), 44)));
    info->CancelButton->setEnabled(cancellable);
    info->show();
    QApplication::processEvents();
}

void CommPart::closeBusy()
{
    m_window.infoForm()->hide();
}

bool CommPart::openLink()
{
    return m_link->IsOpen() || m_link->Otevri();
}

bool CommPart::stopOnline()
{
    // On-line mode stops here once it exists.
    return false;
}

void CommPart::restartOnline()
{
    // On-line mode restarts here once it exists.
}

void CommPart::applyLoginTexts()
{
    m_window.actions()->applyTexts(m_window.lang(), m_window.state().LoggedIn, m_window.state().OnLine);
}

void CommPart::rebuildViews()
{
    m_views.RebuildViews();
    m_window.RefreshStatus();
}

bool CommPart::loggedInOrLogin()
{
    if (!m_window.state().LoggedIn) {
        MenuLoginClick();
    }
    return m_window.state().LoggedIn;
}

bool CommPart::openOrEnd()
{
    if (openLink()) {
        return true;
    }
    m_window.UnlockCommCommands();
    closeBusy();
    m_link->Zavri();
    return false;
}

bool CommPart::sameReceiverOrLogout()
{
    if (m_rx->OverHeslo()) {
        return true;
    }
    // Another receiver, or another password: the user logs in again to what is connected now.
    Logout();
    closeBusy();
    m_link->Zavri();
    return false;
}

bool CommPart::runTransfer(const TKom::Job& job)
{
    // The worker owns the link while it transfers: no keep-alive from this thread meanwhile.
    m_keepAlive->stop();
    const bool result = m_worker->run(*m_commForm, job);
    m_keepAlive->start();
    return result;
}

void CommPart::endSequence(bool restartOnlineMode)
{
    rebuildViews();
    m_window.UnlockCommCommands();
    m_link->Zavri();
    if (restartOnlineMode) {
        restartOnline();
    }
}

// --- login and logout ---

void CommPart::MenuLoginClick()
{
    BusyScope scope(m_busy);
    app::ShellState& state = m_window.state();
    if (state.OnLine) {
        stopOnline();
    }
    if (state.LoggedIn) {
        Logout();
        return;
    }
    m_window.LockCommCommands();
    showBusy(true);

    // The receiver's description replaces the open data set's; it is put back when the login is
    // abandoned, so the open data set keeps its own model.
    model::TDevice& device = m_views.memory().Device;
    const model::TDevice dataSetDevice = device;
    const std::string dataSetModel = state.DataOpen ? device.Model : std::string();
    auto abandon = [&] {
        device = dataSetDevice;
        m_rx->DeInit();
        m_window.UnlockCommCommands();
    };

    if (!m_rx->Init()) {
        closeBusy();
        m_window.UnlockCommCommands();
        m_link->Zavri();
        device = dataSetDevice;
        return;
    }
    m_loginForm->RxTypeText = device.Description;
    m_loginForm->RxPassword = device.Password;
    closeBusy();

    if (state.DataOpen && device.Model != dataSetModel) {
        if (!Dialogs::yesNo(&m_window, m_window.windowTitle(), fromCp(LangText(m_window.lang(), 77)))) {
            abandon();
            return;
        }
        m_views.dataSet().close();
    }
    if (!device.Password.empty() && m_loginForm->exec() != TLoginForm::kPasswordCorrect) {
        abandon();
        return;
    }
    LoginDone();
    m_link->Zavri();
    (void)m_window.SaveSettings();
}

void CommPart::LoginDone()
{
    model::ReceiverMemory& memory = m_views.memory();
    (void)m_views.functions().LoadFunctions(memory.Device.Model, &memory.Device);
    m_window.state().LoggedIn = true;
    if (!m_window.state().DataOpen) {
        // A fresh, empty data set of the receiver's model.
        (void)m_views.dataSet().buildNewRecords(memory.Device.Model, true, m_views.functions());
        (void)m_views.dataSet().newDataSet(memory.Device.Model, true, m_views.functions());
    }
    applyLoginTexts();
    rebuildViews();
    m_window.UnlockCommCommands();
}

void CommPart::Logout()
{
    app::ShellState& state = m_window.state();
    if (state.OnLine) {
        stopOnline();
    }
    if (!state.LoggedIn) {
        return;
    }
    m_rx->DeInit();
    m_views.saveMemoryWidths();
    state.LoggedIn = false;
    m_views.dataSet().markMemoryExchanged();
    m_window.UnlockCommCommands();
    applyLoginTexts();
    if (state.DataOpen) {
        m_window.pageControl()->setCurrentIndex(1);
    }
    rebuildViews();
}

// --- connection setup ---

void CommPart::MenuCommSetupClick()
{
    BusyScope scope(m_busy);
    const bool wasOnline = m_window.state().OnLine && stopOnline();
    if (m_setupForm->Nastav(*m_link)) {
        storeSettings();
    }
    m_window.setProfileCaption();
    m_window.RefreshStatus();
    if (wasOnline) {
        restartOnline();
    }
}

// --- download ---

void CommPart::MenuDownloadClick()
{
    BusyScope scope(m_busy);
    if (!loggedInOrLogin()) {
        return;
    }
    const bool wasOnline = m_window.state().OnLine && stopOnline();
    showBusy(false);
    m_window.LockCommCommands();
    if (!openOrEnd() || !sameReceiverOrLogout()) {
        return;
    }

    m_commForm->Label1->setText(fromCp(LangText(m_window.lang(), 76)));
    closeBusy();
    QApplication::processEvents();
    const bool downloaded = runTransfer([this](const JobContext& context) {
        m_rx->setProgressSink(context.progress);
        const bool ok = m_rx->DownloadMemory();
        m_rx->setProgressSink({});
        return ok;
    });
    if (!downloaded) {
        m_window.UnlockCommCommands();
        m_link->Zavri();
        // A cancelled download gives the line back to on-line mode; a failed one does not.
        if (wasOnline && m_commForm->CancelPressed) {
            restartOnline();
        }
        return;
    }

    model::ReceiverMemory& memory = m_views.memory();
    if (!model::DecodeMemory(memory.Device, memory.MemoryImage, memory.Records)) {
        m_window.UnlockCommCommands();
        m_link->Zavri();
        return;
    }
    (void)m_views.dataSet().afterDownload(m_window.settings().Backup, *m_clock);
    if (!m_window.state().DataOpen) {
        m_window.pageControl()->setCurrentIndex(0);
    }
    endSequence(wasOnline);
}

// --- upload ---

void CommPart::MenuUploadClick()
{
    BusyScope scope(m_busy);
    if (!loggedInOrLogin()) {
        return;
    }
    if (!Dialogs::yesNo(&m_window, m_window.windowTitle(), fromCp(LangText(m_window.lang(), 95)))) {
        return;
    }
    const bool wasOnline = m_window.state().OnLine && stopOnline();
    m_window.LockCommCommands();
    showBusy(false);
    if (!openOrEnd()) {
        return;
    }
    model::ReceiverMemory& memory = m_views.memory();
    const bool encoded = model::EncodeMemory(memory.Device, memory.Records, memory.UploadImage);
    // Compaction moved records to other slots.
    rebuildViews();
    if (!encoded) {
        closeBusy();
        m_window.UnlockCommCommands();
        m_link->Zavri();
        return;
    }
    if (!sameReceiverOrLogout()) {
        return;
    }

    m_commForm->Label1->setText(fromCp(LangText(m_window.lang(), 75)));
    closeBusy();
    QApplication::processEvents();
    bool differs = false;
    const bool uploaded = runTransfer([this, &memory, &differs](const JobContext& context) {
        m_rx->setProgressSink(context.progress);
        m_rx->setCancelQuestion([&context](const std::string&) { return context.confirmCancel(); });
        bool ok = m_rx->UploadMemory();
        // The receiver must hold what was sent: read it back and compare.
        if (ok) {
            ok = m_rx->DownloadMemory();
            differs = ok && memory.MemoryImage.compare(0, memory.UploadImage.size(), memory.UploadImage) != 0;
        }
        m_rx->setProgressSink({});
        m_rx->setCancelQuestion({});
        return ok && !differs;
    });
    if (differs) {
        Dialogs::error(&m_window, fromCp(LangText(m_window.lang(), 110) + " " + LangText(m_window.lang(), 114)));
    }
    // Only a verified upload means the receiver holds the table shown; after a failed or cancelled
    // one the memory view stays marked as changed.
    if (uploaded) {
        m_views.dataSet().markMemoryExchanged();
    }
    endSequence(wasOnline);
}

// --- password change ---

void CommPart::MenuPassChangeClick()
{
    BusyScope scope(m_busy);
    showBusy(true);
    const bool wasOnline = m_window.state().OnLine && stopOnline();
    m_window.LockCommCommands();
    auto fail = [this] {
        m_window.UnlockCommCommands();
        m_link->Zavri();
        closeBusy();
    };

    const bool loggedIn = m_window.state().LoggedIn;
    model::TDevice& device = m_views.memory().Device;
    const model::TDevice dataSetDevice = device;
    if (loggedIn) {
        if (!openLink() || !m_rx->OverHeslo()) {
            fail();
            return;
        }
    } else if (!m_rx->Init()) {
        device = dataSetDevice;
        fail();
        return;
    }

    m_changePassForm->RxTypeText = device.Description;
    m_changePassForm->RxPassword = device.Password;
    closeBusy();
    if (m_changePassForm->exec() == QDialog::Accepted) {
        if (!m_rx->PisPass(m_changePassForm->RxPassword)) {
            if (loggedIn) {
                Logout();
            } else {
                m_rx->DeInit();
                device = dataSetDevice;
            }
            m_link->Zavri();
            m_window.UnlockCommCommands();
            return;
        }
        if (!loggedIn) {
            // The password change has logged the program in.
            LoginDone();
        }
    } else if (!loggedIn) {
        m_rx->DeInit();
        device = dataSetDevice;
    }
    m_window.UnlockCommCommands();
    m_link->Zavri();
    if (wasOnline) {
        restartOnline();
    }
}

} // namespace vorbix::ui
