#include "ui/online/OnlineFeature.h"

#include "core/app/Settings.h"
#include "core/app/ShellState.h"
#include "core/base/Sounds.h"
#include "core/base/TextNumbers.h"
#include "core/link/Rx.h"
#include "core/online/RelayCommand.h"
#include "ui/app/MainActions.h"
#include "ui/app/RecordData.h"
#include "ui/app/Shell.h"
#include "ui/app/ShellEvents.h"
#include "ui/app/SoundPlayer.h"
#include "ui/link/LinkSession.h"
#include "ui/online/DirectControlPage.h"
#include "ui/online/LoggerLaunch.h"
#include "ui/online/OnlinePanel.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/TCommForm.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QPushButton>

namespace vorbix::ui {

OnlineFeature::OnlineFeature(Shell& shell) : Feature(shell)
{
    setObjectName(QStringLiteral("OnlineFeature"));
    LinkSession& link = shell.linkSession();
    m_session = std::make_unique<online::OnlineSession>(link.link(), link.rx(), shell.lang());
    m_session->setCallbacks(callbacks());
    link.setPreemptibleUser([this] { return StopOnline(); }, [this] { (void)StartOnline(); });

    // Its own dialog: the transfers' one has the link's cancel flag, which the session ignores.
    m_waitForm = new TCommForm(shell.mainWindow());
    m_waitForm->setObjectName(QStringLiteral("OnlineWaitForm"));
    connect(m_waitForm->CancelButton, &QPushButton::clicked, this, [this] { m_session->cancelWait(); });

    connect(this, &OnlineFeature::sessionStatus, this, &OnlineFeature::showStatus, Qt::QueuedConnection);
    connect(this, &OnlineFeature::sessionWait, this, &OnlineFeature::showWait, Qt::QueuedConnection);
    connect(this, &OnlineFeature::sessionRelays, this, &OnlineFeature::showRelays, Qt::QueuedConnection);
    // A relay command that did not reach the receiver is said; the state fields keep the states the
    // receiver last reported.
    connect(
        this, &OnlineFeature::sessionRelaysSent, this,
        [this](bool acknowledged) {
            if (!acknowledged) {
                showError(fromCp(online::kRelayCommandNotAcknowledged));
            }
        },
        Qt::QueuedConnection);
    connect(this, &OnlineFeature::sessionLink, this, &OnlineFeature::showLinkState, Qt::QueuedConnection);
    connect(this, &OnlineFeature::sessionError, this, &OnlineFeature::showError, Qt::QueuedConnection);
    connect(this, &OnlineFeature::sessionBusy, this, &OnlineFeature::setBusy, Qt::QueuedConnection);
    connect(this, &OnlineFeature::sessionEnded, this, &OnlineFeature::endedByItself, Qt::QueuedConnection);

    m_panel = new OnlinePanel(shell.mainWindow());
    shell.setBottomPanel(m_panel);
    connect(m_panel, &OnlinePanel::addClicked, this,
            [this] { emit addTransmitterRequested(m_panel->lastTransmitter(), m_panel->lastButton()); });
    // The picker takes rows from the pages; Add waits for the next transmitter.
    connect(&shell.events(), &ShellEvents::recordPickerOpened, this, [this] { m_panel->offerAdd(false); });

    QWidget* page = shell.page(app::Page::DirectControl);
    m_directPage = new DirectControlPage(page);
    page->layout()->addWidget(m_directPage);
    connect(m_directPage, &DirectControlPage::sendRequested, this,
            [this](const online::RelaySelection& selection) { m_session->requestSend(selection); });
    connect(m_directPage, &DirectControlPage::refreshRequested, this, [this] { m_session->requestRefresh(); });
}

OnlineFeature::~OnlineFeature()
{
    m_session->stop();
}

online::OnlineCallbacks OnlineFeature::callbacks()
{
    // These run on the session's thread: each only emits.
    online::OnlineCallbacks c;
    c.statusShown = [this](const online::StatusBlock& block) { emit sessionStatus(block, QPrivateSignal()); };
    c.waitProgress = [this](const online::WaitProgress& progress) { emit sessionWait(progress, QPrivateSignal()); };
    c.relaysShown = [this](online::RelaySource, std::uint8_t relays) { emit sessionRelays(relays, QPrivateSignal()); };
    c.relaysSent = [this](bool acknowledged) { emit sessionRelaysSent(acknowledged, QPrivateSignal()); };
    c.linkState = [this](online::LinkState state, int attempt) {
        emit sessionLink(static_cast<int>(state), attempt, QPrivateSignal());
    };
    c.error = [this](const std::string& text) { emit sessionError(fromCp(text), QPrivateSignal()); };
    c.busy = [this](bool busy) { emit sessionBusy(busy, QPrivateSignal()); };
    c.ended = [this](online::EndReason) { emit sessionEnded(QPrivateSignal()); };
    return c;
}

void OnlineFeature::connectActions(MainActions& actions)
{
    if (QAction* action = actions.action(QStringLiteral("MenuOnline"))) {
        connect(action, &QAction::triggered, this, &OnlineFeature::MenuOnlineClick);
    }
    if (QAction* action = actions.action(QStringLiteral("MenuQTXLogger"))) {
        connect(action, &QAction::triggered, this, &OnlineFeature::MenuQTXLoggerClick);
    }
}

void OnlineFeature::applyLanguage(const PopisType& lang)
{
    m_waitForm->setLanguage(&lang);
    m_panel->applyTexts(lang);
}

void OnlineFeature::firstActivation(const app::ActivationPlan& plan)
{
    if (plan.online) {
        MenuOnlineClick();
    }
}

void OnlineFeature::closeSteps()
{
    (void)StopOnline();
}

void OnlineFeature::MenuOnlineClick()
{
    if (!shell().state().LoggedIn) {
        emit loginNeeded();
        if (!shell().state().LoggedIn) {
            return;
        }
    }
    if (shell().state().OnLine) {
        (void)StopOnline(); // the command toggles
        return;
    }
    (void)StartOnline();
}

bool OnlineFeature::StartOnline()
{
    LinkSession& link = shell().linkSession();
    if (!shell().state().LoggedIn || m_session->running()) {
        return m_session->running();
    }
    MainActions* actions = shell().actions();
    actions->LockCommCommands();
    // The open and the check of the receiver report their failures through the link's own sinks.
    if (!m_session->start()) {
        if (!link.leaseHeld()) {
            actions->UnlockCommCommands();
        }
        return false;
    }
    link.setKeepAliveSuspended(true);
    applyOnlineState(true);
    emit receiverLinkChanged(true);
    if (!link.leaseHeld()) {
        actions->UnlockCommCommands();
    }
    return true;
}

bool OnlineFeature::StopOnline()
{
    const bool wasOn = shell().state().OnLine || m_session->running();
    m_session->stop(); // also collects the thread after an end of its own
    if (m_waitForm->isVisible()) {
        m_waitForm->CloseProgress();
    }
    if (!wasOn) {
        return false;
    }
    shell().linkSession().setKeepAliveSuspended(false);
    applyOnlineState(false);
    if (!shell().linkSession().leaseHeld()) {
        shell().actions()->UnlockCommCommands(); // a status read may have locked them
    }
    return true;
}

void OnlineFeature::MenuQTXLoggerClick()
{
    (void)StopOnline(); // not restarted: the logger program has the link now
    QString error;
    if (!LaunchLogger(QFile::decodeName(shell().programFolder().c_str()), shell().lang(), error)) {
        Dialogs::error(shell().mainWindow(), error);
    }
}

void OnlineFeature::applyOnlineState(bool onLine)
{
    app::ShellState& state = shell().state();
    state.OnLine = onLine;
    // The direct control page exists while on-line, for administrators, on a model whose relays
    // it can show.
    bool directControl = false;
    QString caption;
    if (onLine && state.AdminRights) {
        directControl = m_directPage->DirectControlPageShow(shell().lang(), shell().linkSession().rx().Device().Relays);
        caption = fromCp(LangText(shell().lang(), lang::kDirectControlCaption));
    }
    shell().setPageShown(app::Page::DirectControl, directControl, caption);
    if (!onLine) {
        shell().showLinkNote(QString());
    }
    shell().actions()->applyTexts(shell().lang(), state.LoggedIn, state.OnLine);
    shell().RefreshStatus();
}

void OnlineFeature::showStatus(const online::StatusBlock& block)
{
    const QString decimal = QLocale().decimalPoint();
    const char separator = decimal.size() == 1 && decimal[0].unicode() < 0x80 ? decimal[0].toLatin1() : '.';
    const online::PanelView view = online::PanelViewOf(block, separator);
    m_panel->showStatus(view);
    if (!view.eventShown) {
        beep();
        return;
    }
    emit statusReceived(fromCp(block.txCode), QString(QLatin1Char(block.code)), block.lowBattery,
                        block.slot.has_value(), QDateTime::currentDateTime());
    // Add is offered only for a transmitter the shown records do not hold.
    const std::string serial = block.serialDigits();
    m_panel->offerAdd(!shell().records().holdsTransmitter(serial, std::string(1, block.code)));
    emit lastTransmitterShown(fromCp(serial), QString(QLatin1Char(block.code)));
    beep();
}

void OnlineFeature::TransmitterAdded()
{
    m_panel->offerAdd(false);
}

void OnlineFeature::beep()
{
    if (shell().settings().Beep) {
        shell().sounds().playOnce(sound::kSoundShortBeep);
    }
}

void OnlineFeature::showRelays(quint8 relays)
{
    if (m_session->running()) {
        m_directPage->showRelays(relays, shell().lang());
    }
}

void OnlineFeature::showLinkState(int state, int attempt)
{
    if (!m_session->running()) {
        return;
    }
    switch (static_cast<online::LinkState>(state)) {
    case online::LinkState::Lost:
        shell().showLinkNote(fromCp(LangText(shell().lang(), lang::kLinkLost)));
        emit receiverLinkChanged(false);
        break;
    case online::LinkState::Reconnecting:
        shell().showLinkNote(fromCp(LangTextWith(shell().lang(), lang::kLinkReconnecting, std::to_string(attempt))));
        break;
    case online::LinkState::Restored:
        shell().showLinkNote(QString());
        emit receiverLinkChanged(true);
        break;
    }
}

void OnlineFeature::showWait(const online::WaitProgress& progress)
{
    if (progress.over) {
        if (m_waitForm->isVisible()) {
            m_waitForm->CloseProgress();
        }
        return;
    }
    if (progress.step == 0) {
        m_waitForm->setMessage(fromCp(LangText(shell().lang(), lang::kOnlineNextAttempt)));
        m_waitForm->show();
    }
    m_waitForm->ShowProgress(progress.steps > 0 ? progress.step * 100 / progress.steps : 0);
}

void OnlineFeature::showError(const QString& text)
{
    Dialogs::error(shell().mainWindow(), text);
}

void OnlineFeature::setBusy(bool busy)
{
    // Late news from a session that has been stopped, or a sequence holding the link, must not
    // touch the commands.
    if (!m_session->running() || shell().linkSession().leaseHeld()) {
        return;
    }
    if (busy) {
        shell().actions()->LockCommCommands();
    } else {
        shell().actions()->UnlockCommCommands();
    }
}

void OnlineFeature::endedByItself()
{
    // A session restarted since then runs on; this news is about the one before.
    if (m_session->running()) {
        return;
    }
    (void)StopOnline();
}

} // namespace vorbix::ui
