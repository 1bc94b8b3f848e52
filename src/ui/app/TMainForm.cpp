#include "ui/app/TMainForm.h"

#include "core/app/CloseQuery.h"
#include "core/app/IniFile.h"
#include "core/app/Language.h"
#include "core/app/Startup.h"
#include "core/base/ReceiverDescription.h"
#include "core/base/TextNumbers.h"
#include "core/link/ConnectionSettings.h"
#include "core/link/Komunikace.h"
#include "core/text/TextFile.h"
#include "ui/app/Feature.h"
#include "ui/app/FocusReturn.h"
#include "ui/app/Icons.h"
#include "ui/app/MainActions.h"
#include "ui/app/MainPages.h"
#include "ui/app/MonitorSetup.h"
#include "ui/app/PageCommandRouter.h"
#include "ui/app/QtLanguageFeature.h"
#include "ui/app/RecordData.h"
#include "ui/app/ShellEvents.h"
#include "ui/app/SoundPlayer.h"
#include "ui/app/StatusPanels.h"
#include "ui/app/StatusRefresher.h"
#include "ui/app/WindowPlacement.h"
#include "ui/export/ExportFeature.h"
#include "ui/help/HelpContext.h"
#include "ui/help/HelpFeature.h"
#include "ui/link/CommunicationFeature.h"
#include "ui/link/LinkSession.h"
#include "ui/lists/ListsFeature.h"
#include "ui/monitor/MonitorFeature.h"
#include "ui/monitor/MonitorModeFeature.h"
#include "ui/online/OnlineFeature.h"
#include "ui/setup/AppSetupFeature.h"
#include "ui/setup/UserLoginFeature.h"
#include "ui/setup/WelcomeFeature.h"
#include "ui/views/RecordViewsFeature.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/TInfoForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTimer>

namespace vorbix::ui {

TMainForm::TMainForm(std::string programFolder, std::vector<std::string> arguments, QWidget* parent)
    : QMainWindow(parent), m_programFolder(std::move(programFolder)), m_arguments(std::move(arguments))
{
    initIconResources();
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(QStringLiteral("Vorbix"));
    setWindowIcon(appIcon());
    setMinimumSize(600, 500);
    resize(709, 538);

    m_actions = new MainActions(this);
    m_pages = new MainPages(this);
    setCentralWidget(m_pages);
    m_events = new ShellEvents(this);
    m_monitorSetup = new MonitorSetup(this);
    m_pageCommands = new PageCommandRouter(
        *m_actions,
        [this]() -> std::optional<app::Page> {
            return inMonitorLayout() ? std::nullopt : std::optional<app::Page>(currentPage());
        },
        this);
    m_statusBar = new StatusPanels(this);
    setHelpContext(m_statusBar, 170);
    setStatusBar(m_statusBar);
    m_refresher = new StatusRefresher([this] { UpdateStatus(); }, this);
    m_infoForm = new TInfoForm(this);
    new FocusReturn(this);
    m_sounds =
        new SoundPlayer(QDir(QFile::decodeName(m_programFolder.c_str())).filePath(QStringLiteral("Sounds")), this);
    m_sounds->setOutputSource([this] { return SoundOutputFrom(m_settings.SoundCard, m_settings.SoundSpeaker); });

    connect(m_actions->action(QStringLiteral("MenuExit")), &QAction::triggered, this, &QWidget::close);
    connect(m_pages->pageControl(), &QTabWidget::currentChanged, this, &TMainForm::RefreshStatus);
    connect(m_pages->pageControl(), &QTabWidget::currentChanged, m_events, &ShellEvents::pageChanged);
    // The status shows whether the monitor setup is saved.
    connect(m_monitorSetup, &MonitorSetup::changed, this, [this] {
        m_monitorMarks = {m_monitorSetup->data.SetupPresent, m_monitorSetup->data.SetupSaved};
        RefreshStatus();
    });
}

TMainForm::~TMainForm()
{
    // The features go first, while the link session they use is still there (on-line mode's
    // thread holds the link until it is stopped).
    for (auto it = m_features.rbegin(); it != m_features.rend(); ++it) {
        delete *it;
    }
    m_features.clear();
}

// --- wiring ---

// Every feature of the window, in hook order, and the signals by which they talk to each other.
void TMainForm::wireFeatures()
{
    auto* views = new RecordViewsFeature(*this);
    auto* communication = new CommunicationFeature(*this);
    addFeature(views);
    addFeature(communication);
    auto* userLogin = new UserLoginFeature(*this);
    addFeature(userLogin);
    addFeature(new HelpFeature(*this));
    addFeature(new QtLanguageFeature(*this));
    auto* listsFeature = new ListsFeature(*this);
    addFeature(listsFeature);
    auto* online = new OnlineFeature(*this);
    addFeature(online);
    addFeature(new ExportFeature(*this));
    auto* appSetup = new AppSetupFeature(*this);
    addFeature(appSetup);
    auto* welcome = new WelcomeFeature(*this);
    addFeature(welcome);
    auto* monitorFeature = new MonitorFeature(*this);
    addFeature(monitorFeature);

    connect(listsFeature, &ListsFeature::findTransmitterRequested, views, &RecordViewsFeature::FindTransmitter);
    connect(online, &OnlineFeature::loginNeeded, communication, &CommunicationFeature::MenuLoginClick);
    connect(online, &OnlineFeature::statusReceived, listsFeature, &ListsFeature::ReceiveStatus);
    connect(online, &OnlineFeature::lastTransmitterShown, views, &RecordViewsFeature::SelectLastTransmitter);
    connect(online, &OnlineFeature::addTransmitterRequested, views, &RecordViewsFeature::AddTransmitter);
    connect(views, &RecordViewsFeature::transmitterAdded, online, &OnlineFeature::TransmitterAdded);
    connect(userLogin, &UserLoginFeature::openDataFileRequested, views, &RecordViewsFeature::OpenProfileDataFile);
    connect(welcome, &WelcomeFeature::openDataFileRequested, views, &RecordViewsFeature::OpenProfileDataFile);
    appSetup->setSortItems([views] { return views->userColumnTitles(); });
    connect(appSetup, &AppSetupFeature::userColumnVisibilityChanged, views, &RecordViewsFeature::setUserColumnVisible);
    connect(appSetup, &AppSetupFeature::historySetupChanged, listsFeature, &ListsFeature::ApplyHistorySetup);
    connect(appSetup, &AppSetupFeature::languageChosen, this, [this](const std::string& code) {
        m_settings.Language = code;
        (void)LoadLanguage(code);
    });
    connect(appSetup, &AppSetupFeature::viewsRebuildRequested, views, &RecordViewsFeature::RebuildViews);
    connect(userLogin, &UserLoginFeature::monitorFileRequested, monitorFeature, &MonitorFeature::LoadSetupFile);
    connect(welcome, &WelcomeFeature::monitorFileRequested, monitorFeature, &MonitorFeature::LoadSetupFile);

    auto* monitorMode = new MonitorModeFeature(*this);
    addFeature(monitorMode);
    connect(online, &OnlineFeature::statusReceived, monitorMode, &MonitorModeFeature::ReceiveStatus);
    connect(online, &OnlineFeature::receiverLinkChanged, monitorMode, &MonitorModeFeature::ReceiverLinkChanged);
    connect(monitorMode, &MonitorModeFeature::loginNeeded, communication, &CommunicationFeature::MenuLoginClick);
    connect(monitorMode, &MonitorModeFeature::onlineStartNeeded, online, &OnlineFeature::StartOnline);
    connect(monitorMode, &MonitorModeFeature::onlineStopNeeded, online, &OnlineFeature::StopOnline);
}

void TMainForm::addFeature(Feature* feature)
{
    feature->setParent(this);
    m_features.push_back(feature);
    feature->connectActions(*m_actions);
}

// --- start-up ---

bool TMainForm::create()
{
    m_languageCode = app::ReadLanguageCode(app::IniFile::load(settingsPath()));
    if (!LoadLanguage(m_languageCode)) {
        if (m_languageCode == "US" || !LoadLanguage("US")) {
            return false;
        }
    }

    // The program-wide objects, in their order: the records the receiver object writes into, the link
    // with the receiver object, then the features.
    const ErrorSink errorBox = [this](const std::string& message) { Dialogs::error(this, fromCp(message)); };
    m_records = std::make_unique<RecordData>(m_programFolder, m_definitionFileName, m_lang, errorBox);
    m_linkSession = new LinkSession(m_lang, m_records->memory, m_programFolder, this, this);
    m_linkSession->setCommandLock([this](bool locked) { locked ? LockCommCommands() : UnlockCommCommands(); });
    m_infoForm->setCancelFlag(&m_linkSession->link().CancelRequested);
    wireFeatures();

    m_state = app::ShellState{}; // FirstActivation set, StartupDone cleared, DataFileName empty
    const std::string startFile = app::StartFileFrom(m_arguments);
    if (!startFile.empty()) {
        m_state.DataFileName = startFile;
        m_state.StartFileGiven = true;
    }

    std::string error;
    if (!app::EnsureBackupFolder(m_programFolder, error)) {
        Dialogs::error(this, fromCp(error));
    }
    return true;
}

bool TMainForm::LoadLanguage(const std::string& code)
{
    std::string error;
    if (!app::LoadLanguage(m_programFolder, code, m_lang, error)) {
        Dialogs::error(this, fromCp(error));
        return false;
    }
    m_languageCode = code;
    m_settings.Language = code;
    m_definitionFileName = app::DefinitionFileFor(m_programFolder, code);
    applyLanguageTexts();
    app::LoadUserTitles(app::IniFile::load(settingsPath()), m_lang, m_settings);
    for (Feature* feature : m_features) {
        feature->applyLanguage(m_lang);
    }
    return true;
}

void TMainForm::applyLanguageTexts()
{
    m_actions->applyTexts(m_lang, m_state.LoggedIn, m_state.OnLine);
    m_pages->applyTexts(m_lang);
    // The page captions lost their "*" marks; the status update puts them back.
    RefreshStatus();
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_firstShowDone) {
        return;
    }
    m_firstShowDone = true;
    if (!firstShowing()) {
        m_startRefused = true;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

bool TMainForm::firstShowing()
{
    std::string error;
    if (!app::CheckDefinitionFiles(m_programFolder, m_definitionFileName, m_lang, error)) {
        Dialogs::error(this, fromCp(error));
        return false;
    }

    // A settings file that exists but cannot be read is reported; the defaults are used, as for a
    // missing one, and the save at the end tells again why the file cannot be written.
    std::string unreadable;
    const app::IniFile ini = app::IniFile::load(settingsPath(), unreadable);
    if (!unreadable.empty()) {
        Dialogs::error(this, fromCp(LangText(m_lang, lang::kFileCannotBeOpened) + " - " + unreadable));
    }
    app::LoadSettings(ini, m_settings);
    m_pages->pageControl()->setCurrentIndex(m_settings.PageControl);
    placeWindow(*this, m_settings.window);
    for (Feature* feature : m_features) {
        feature->settingsLoaded();
    }
    for (Feature* feature : m_features) {
        feature->applyLanguage(m_lang);
    }

    UnlockCommCommands();
    m_state.StartupDone = true;
    m_pages->setPageShown(app::Page::DirectControl, false);
    setWindowTitle(QStringLiteral("Vorbix"));

    const app::StartupPlan plan = app::PlanStartup(m_settings, m_state);
    if (!plan.userLogin) {
        m_state.AdminRights = true;
        if (plan.profileCaption) {
            setProfileCaption();
        }
    }
    for (Feature* feature : m_features) {
        if (!feature->startup(plan)) {
            return false;
        }
    }
    RefreshStatus();
    return true;
}

void TMainForm::setProfileCaption()
{
    setWindowTitle(fromCp(app::ProfileCaption(m_settings.profiles, connectionText())));
}

void TMainForm::cutDownForUser()
{
    for (const app::Page p : {app::Page::Memory, app::Page::User, app::Page::Monitor}) {
        m_pages->setPageShown(p, false);
    }
    m_pages->hideBottomPanel();
    m_actions->cutDownForUser();
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        activated();
    }
    return QMainWindow::event(event);
}

void TMainForm::activated()
{
    emit m_events->windowActivated();
    // The busy window stays in front. It is raised, not activated: activating it here took the
    // keyboard into a window that closes a moment later, and under a window manager the keys then
    // went nowhere until the user opened a menu.
    if (m_infoForm->isVisible()) {
        m_infoForm->raise();
    }
    if (!m_state.FirstActivation || !m_state.StartupDone) {
        return;
    }
    m_state.FirstActivation = false;
    const app::ActivationPlan plan = app::PlanFirstActivation(m_settings, m_state);
    for (Feature* feature : m_features) {
        feature->firstActivation(plan);
    }
}

// --- close ---

bool TMainForm::busy() const
{
    // A communication sequence is waiting for the receiver on this thread; it ends first.
    if (m_linkSession != nullptr && m_linkSession->leaseHeld()) {
        return true;
    }
    for (const Feature* feature : m_features) {
        if (feature->busy()) {
            return true;
        }
    }
    return false;
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (busy() || (!m_closed && !closeQuery())) {
        event->ignore();
        return;
    }
    if (!m_closed && m_state.StartupDone) {
        closeSteps();
    }
    m_closed = true;
    event->accept();
}

bool TMainForm::closeQuery()
{
    std::vector<app::UnsavedItem> items;
    for (Feature* feature : m_features) {
        if (std::optional<app::UnsavedItem> item = feature->unsavedItem()) {
            items.push_back(std::move(*item));
        }
    }
    return app::CloseQuery(items, [this](const std::string& question) {
        return Dialogs::question(this, windowTitle(), fromCp(question));
    });
}

void TMainForm::closeSteps()
{
    m_settings.PageControl = m_pages->pageControl()->currentIndex();
    keepWindowPlace(*this, m_settings.window);
    // The program still ends when this fails; the user was told that the settings were not written.
    (void)SaveSettings();
    for (Feature* feature : m_features) {
        feature->closeSteps();
    }
    m_refresher->stop();
}

bool TMainForm::SaveSettings()
{
    std::string error;
    if (!app::SaveSettingsFile(settingsPath(), m_settings, {m_state.DataFileName, &m_lang}, error)) {
        Dialogs::error(this, fromCp(error));
        return false;
    }
    return true;
}

// --- status ---

std::string TMainForm::connectionText() const
{
    // The link keeps the current connection; until it exists the settings carry the same values.
    return link::ConnectionText(m_settings.connection);
}

void TMainForm::UpdateStatus()
{
    QTabWidget* pages = m_pages->pageControl();
    app::StatusInput in;
    in.state = m_state;
    in.monitor = m_monitorMarks;
    in.connectionText = connectionText();
    const model::TDevice* device = m_state.LoggedIn && m_records ? &m_records->memory.Device : nullptr;
    in.receiverDescription = device ? receivers::ReceiverDescription(m_lang, device->Model, device->Description) : "";
    in.savedText = LangText(m_lang, lang::kStatusSaved);
    in.activePage = pages->currentIndex();
    in.messageViewShown = inMonitorLayout();
    in.captions = {toCp(pages->tabText(0)), toCp(pages->tabText(1)), toCp(pages->tabText(4))};

    const app::StatusView view = app::UpdateStatus(in);
    for (int i = 0; i < 5; ++i) {
        m_statusBar->setPanelText(i, fromCp(view.panels[static_cast<std::size_t>(i)]));
    }
    pages->setTabText(0, fromCp(view.captions.memory));
    pages->setTabText(1, fromCp(view.captions.user));
    pages->setTabText(4, fromCp(view.captions.monitor));
    if (view.recordCommandsEnabled) {
        m_actions->setRecordCommandsEnabled(*view.recordCommandsEnabled);
    }
}

// --- the window's parts ---

std::string TMainForm::settingsPath() const
{
    return text::joinPath(m_programFolder, "Vorbix.ini");
}

void TMainForm::enterMonitorLayout()
{
    m_pages->setMonitorLayout(true);
    m_actions->enterMonitorLayout();
}

void TMainForm::leaveMonitorLayout()
{
    m_pages->setMonitorLayout(false);
    m_actions->leaveMonitorLayout(m_state.AdminRights);
}

bool TMainForm::openRecordPicker(app::Page which, std::function<void()> picked)
{
    m_pages->showPage(which);
    const bool opened = m_pageGrids.startPicking(which, std::move(picked));
    emit m_events->recordPickerOpened();
    return opened;
}

} // namespace vorbix::ui
