#include "ui/link/CommunicationFeature.h"

#include "core/app/Settings.h"
#include "core/base/ReceiverDescription.h"
#include "core/base/TextNumbers.h"
#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "core/model/MemoryImage.h"
#include "core/views/RecordDiff.h"
#include "ui/app/MainActions.h"
#include "ui/app/RecordData.h"
#include "ui/app/Shell.h"
#include "ui/link/LinkSession.h"
#include "ui/link/TChangePassForm.h"
#include "ui/link/TCommSetupForm.h"
#include "ui/link/TLoginForm.h"
#include "ui/link/UploadDiffContent.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ReportDialog.h"
#include "ui/widgets/TCommForm.h"
#include "ui/widgets/TInfoForm.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <utility>

namespace vorbix::ui {
namespace {

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

CommunicationFeature::CommunicationFeature(Shell& shell) : Feature(shell)
{
    setObjectName(QStringLiteral("CommunicationFeature"));
    QWidget* window = shell.mainWindow();
    m_commForm = new TCommForm(window);
    m_setupForm = new TCommSetupForm(window);
    m_loginForm = new TLoginForm(window);
    m_changePassForm = new TChangePassForm(window);

    LinkSession& session = shell.linkSession();
    m_commForm->setCancelFlag(&session.link().CancelRequested);
    session.setCancelQuestion([this] {
        return Dialogs::yesNo(m_commForm, this->shell().caption(),
                              fromCp(LangText(this->shell().lang(), lang::kStopUpload)));
    });
}

CommunicationFeature::~CommunicationFeature() = default;

void CommunicationFeature::connectActions(MainActions& actions)
{
    const std::pair<const char*, void (CommunicationFeature::*)()> commands[] = {
        {"MenuLogin", &CommunicationFeature::MenuLoginClick},
        {"MenuCommSetup", &CommunicationFeature::MenuCommSetupClick},
        {"MenuDownload", &CommunicationFeature::MenuDownloadClick},
        {"MenuUpload", &CommunicationFeature::MenuUploadClick},
        {"MenuPassChange", &CommunicationFeature::MenuPassChangeClick},
    };
    for (const auto& [name, handler] : commands) {
        if (QAction* action = actions.action(QString::fromLatin1(name))) {
            connect(action, &QAction::triggered, this, handler);
        }
    }
}

void CommunicationFeature::applyLanguage(const PopisType& lang)
{
    m_commForm->setLanguage(&lang);
    m_setupForm->setLanguage(&lang);
    m_loginForm->setLanguage(&lang);
    m_changePassForm->setLanguage(&lang);
}

void CommunicationFeature::settingsLoaded()
{
    link::TKomunikace& link = shell().linkSession().link();
    link.Settings = shell().settings().connection;
    link.SerialPorts = shell().settings().serialPorts;
    link.NastavIni();
}

void CommunicationFeature::firstActivation(const app::ActivationPlan& plan)
{
    if (plan.download) {
        MenuDownloadClick();
    }
}

void CommunicationFeature::closeSteps()
{
    Logout();
}

void CommunicationFeature::showBusy(bool cancellable)
{
    TInfoForm* info = shell().infoForm();
    info->present(fromCp(LangText(shell().lang(), lang::kBusyCommunicating)), cancellable);
    QApplication::processEvents();
}

void CommunicationFeature::closeBusy()
{
    shell().infoForm()->hide();
}

void CommunicationFeature::applyLoginTexts()
{
    const app::ShellState& state = shell().state();
    shell().actions()->applyTexts(shell().lang(), state.LoggedIn, state.OnLine);
}

void CommunicationFeature::rebuildViews()
{
    shell().records().announceReplaced();
    shell().RefreshStatus();
}

bool CommunicationFeature::loggedInOrLogin()
{
    if (!shell().state().LoggedIn) {
        MenuLoginClick();
    }
    return shell().state().LoggedIn;
}

// --- login and logout ---

void CommunicationFeature::MenuLoginClick()
{
    BusyScope scope(m_busy);
    app::ShellState& state = shell().state();
    if (state.LoggedIn) {
        Logout(); // the command toggles
        return;
    }
    LinkLease lease = shell().linkSession().lease();
    if (!lease) {
        return;
    }
    showBusy(true);

    // The receiver's description replaces the open data set's; it is put back when the login is
    // abandoned, so the open data set keeps its own model.
    model::TDevice& device = shell().records().memory.Device;
    const model::TDevice dataSetDevice = device;
    const std::string dataSetModel = state.DataOpen ? device.Model : std::string();
    auto abandon = [&] {
        device = dataSetDevice;
        shell().linkSession().rx().DeInit();
    };

    if (!lease.identify()) {
        closeBusy();
        device = dataSetDevice;
        return;
    }
    m_loginForm->RxTypeText = receivers::ReceiverDescription(shell().lang(), device.Model, device.Description);
    m_loginForm->RxPassword = device.Password;
    closeBusy();

    if (state.DataOpen && device.Model != dataSetModel) {
        if (!Dialogs::yesNo(shell().mainWindow(), shell().caption(),
                            fromCp(LangText(shell().lang(), lang::kOtherModelThanDataSet)))) {
            abandon();
            return;
        }
        shell().records().dataSet.close();
    }
    if (!device.Password.empty() && m_loginForm->exec() != TLoginForm::kPasswordCorrect) {
        abandon();
        return;
    }
    LoginDone();
    lease.release();
    (void)shell().SaveSettings();
}

void CommunicationFeature::LoginDone()
{
    RecordData& records = shell().records();
    model::ReceiverMemory& memory = records.memory;
    (void)records.functions.LoadFunctions(memory.Device.Model, &memory.Device);
    shell().state().LoggedIn = true;
    m_downloaded.reset();
    if (!shell().state().DataOpen) {
        // A fresh, empty data set of the receiver's model.
        (void)records.dataSet.buildNewRecords(memory.Device.Model, true, records.functions);
        (void)records.dataSet.newDataSet(memory.Device.Model, true, records.functions);
    }
    applyLoginTexts();
    rebuildViews();
}

void CommunicationFeature::Logout()
{
    app::ShellState& state = shell().state();
    shell().linkSession().stopPreemptibleUser();
    if (!state.LoggedIn) {
        return;
    }
    shell().linkSession().rx().DeInit();
    m_downloaded.reset();
    shell().records().announceLoggingOut();
    state.LoggedIn = false;
    shell().records().dataSet.markMemoryExchanged();
    applyLoginTexts();
    if (state.DataOpen) {
        shell().showPage(app::Page::User);
    }
    rebuildViews();
}

// --- connection setup ---

void CommunicationFeature::MenuCommSetupClick()
{
    BusyScope scope(m_busy);
    LinkLease lease = shell().linkSession().lease();
    if (!lease) {
        return;
    }
    link::TKomunikace& link = shell().linkSession().link();
    if (m_setupForm->Nastav(link)) {
        shell().settings().connection = link.Settings;
        shell().settings().serialPorts = link.SerialPorts;
    }
    shell().setProfileCaption();
    shell().RefreshStatus();
    lease.finish();
}

// --- download ---

void CommunicationFeature::MenuDownloadClick()
{
    BusyScope scope(m_busy);
    if (!loggedInOrLogin()) {
        return;
    }
    LinkLease lease = shell().linkSession().lease();
    if (!lease) {
        return;
    }
    showBusy(false);
    if (!lease.open()) {
        closeBusy();
        return;
    }
    if (!lease.checkReceiver()) {
        // Another receiver, or another password: the user logs in again to what is connected now.
        Logout();
        closeBusy();
        return;
    }

    m_commForm->setMessage(fromCp(LangText(shell().lang(), lang::kDownloading)));
    closeBusy();
    QApplication::processEvents();
    link::TRx& rx = shell().linkSession().rx();
    const bool downloaded = lease.runJob(*m_commForm, [&rx](const JobContext& context) {
        rx.setProgressSink(context.progress);
        const bool ok = rx.DownloadMemory();
        rx.setProgressSink({});
        return ok;
    });
    if (!downloaded) {
        // A cancelled download gives the line back to on-line mode; a failed one does not.
        if (m_commForm->CancelPressed) {
            lease.finish();
        }
        return;
    }

    RecordData& records = shell().records();
    model::ReceiverMemory& memory = records.memory;
    if (!model::DecodeMemory(memory.Device, memory.MemoryImage, memory.Records)) {
        return;
    }
    m_downloaded = memory.Records;
    (void)records.dataSet.afterDownload(shell().settings().Backup, *m_clock);
    if (!shell().state().DataOpen) {
        shell().showPage(app::Page::Memory);
    }
    rebuildViews();
    lease.finish();
}

// --- upload ---

bool CommunicationFeature::confirmUpload(const model::RecordTable& receiver)
{
    const RecordData& records = shell().records();
    views::ViewContext context;
    context.functions = &records.functions;
    context.device = &records.memory.Device;
    context.lang = &shell().lang();
    context.userTitles = shell().settings().userTitles;
    // Only what a receiver stores can change: the ID and the other user texts stay in data files.
    const views::RecordDiff diff =
        views::diffRecords(receiver, records.memory.Records, context, views::DiffFields::Receiver);
    const ReportContent content = uploadDiffContent(diff, shell().lang());
    ReportDialog dialog(shell().mainWindow());
    dialog.setObjectName(QStringLiteral("UploadDiffDialog"));
    dialog.fill(content);
    return Dialogs::confirm(dialog, content.plainText());
}

bool CommunicationFeature::readReceiverRecords(LinkLease& lease, model::RecordTable& records)
{
    model::ReceiverMemory& memory = shell().records().memory;
    m_commForm->setMessage(fromCp(LangText(shell().lang(), lang::kDownloading)));
    QApplication::processEvents();
    link::TRx& rx = shell().linkSession().rx();
    // The read lands in the memory image; what the program holds is put back after it.
    const std::string held = memory.MemoryImage;
    const bool read = lease.runJob(*m_commForm, [&rx](const JobContext& context) {
        rx.setProgressSink(context.progress);
        const bool ok = rx.DownloadMemory();
        rx.setProgressSink({});
        return ok;
    });
    const std::string image = std::exchange(memory.MemoryImage, held);
    model::TDevice device = memory.Device;
    return read && model::DecodeMemory(device, image, records);
}

void CommunicationFeature::MenuUploadClick()
{
    BusyScope scope(m_busy);
    if (!loggedInOrLogin()) {
        return;
    }
    // With the changes shown, their window asks the question; the download of this login says
    // what the receiver holds unless an upload came after it, else the receiver is read first.
    const bool showChanges = shell().settings().UploadDiff;
    if (!showChanges) {
        if (!Dialogs::yesNo(shell().mainWindow(), shell().caption(),
                            fromCp(LangText(shell().lang(), lang::kUploadQuestion)))) {
            return;
        }
    } else if (m_downloaded && !confirmUpload(*m_downloaded)) {
        return;
    }
    LinkLease lease = shell().linkSession().lease();
    if (!lease) {
        return;
    }
    showBusy(false);
    if (!lease.open()) {
        closeBusy();
        return;
    }
    bool checked = false;
    if (showChanges && !m_downloaded) {
        if (!lease.checkReceiver()) {
            Logout();
            closeBusy();
            return;
        }
        checked = true;
        closeBusy();
        model::RecordTable receiver;
        if (!readReceiverRecords(lease, receiver)) {
            if (m_commForm->CancelPressed) {
                lease.finish();
            }
            return;
        }
        if (!confirmUpload(receiver)) {
            lease.finish(); // nothing was written
            return;
        }
        showBusy(false);
    }
    model::ReceiverMemory& memory = shell().records().memory;
    const bool encoded = model::EncodeMemory(memory.Device, memory.Records, memory.UploadImage);
    // Compaction moved records to other slots.
    rebuildViews();
    if (!encoded) {
        closeBusy();
        return;
    }
    if (!checked && !lease.checkReceiver()) {
        Logout();
        closeBusy();
        return;
    }

    // From here the receiver may hold something else than the last download.
    m_downloaded.reset();
    m_commForm->setMessage(fromCp(LangText(shell().lang(), lang::kUploading)));
    closeBusy();
    QApplication::processEvents();
    link::TRx& rx = shell().linkSession().rx();
    bool differs = false;
    const bool uploaded = lease.runJob(*m_commForm, [&rx, &memory, &differs](const JobContext& context) {
        rx.setProgressSink(context.progress);
        rx.setCancelQuestion([&context](const std::string&) { return context.confirmCancel(); });
        bool ok = rx.UploadMemory();
        // The receiver must hold what was sent: read it back and compare.
        if (ok) {
            ok = rx.DownloadMemory();
            differs = ok && memory.MemoryImage.compare(0, memory.UploadImage.size(), memory.UploadImage) != 0;
        }
        rx.setProgressSink({});
        rx.setCancelQuestion({});
        return ok && !differs;
    });
    if (differs) {
        Dialogs::error(shell().mainWindow(), fromCp(LangText(shell().lang(), lang::kCommunicationFailed) + " " +
                                                    LangText(shell().lang(), lang::kWhileWriting)));
    }
    // Only a verified upload means the receiver holds the table shown; after a failed or cancelled
    // one the memory view stays marked as changed.
    if (uploaded) {
        shell().records().dataSet.markMemoryExchanged();
    }
    rebuildViews();
    lease.finish();
}

// --- password change ---

void CommunicationFeature::MenuPassChangeClick()
{
    BusyScope scope(m_busy);
    showBusy(true);
    LinkLease lease = shell().linkSession().lease();
    if (!lease) {
        closeBusy();
        return;
    }

    const bool loggedIn = shell().state().LoggedIn;
    model::TDevice& device = shell().records().memory.Device;
    const model::TDevice dataSetDevice = device;
    if (loggedIn) {
        if (!lease.open() || !lease.checkReceiver()) {
            closeBusy();
            return;
        }
    } else if (!lease.identify()) {
        device = dataSetDevice;
        closeBusy();
        return;
    }

    link::TRx& rx = shell().linkSession().rx();
    m_changePassForm->RxTypeText = receivers::ReceiverDescription(shell().lang(), device.Model, device.Description);
    m_changePassForm->RxPassword = device.Password;
    closeBusy();
    if (m_changePassForm->exec() == QDialog::Accepted) {
        if (!rx.PisPass(m_changePassForm->RxPassword)) {
            if (loggedIn) {
                Logout();
            } else {
                rx.DeInit();
                device = dataSetDevice;
            }
            return;
        }
        if (!loggedIn) {
            // The password change has logged the program in.
            LoginDone();
        }
    } else if (!loggedIn) {
        rx.DeInit();
        device = dataSetDevice;
    }
    lease.finish();
}

} // namespace vorbix::ui
