#include "ui/app/TMainForm.h"

#include "core/app/CloseQuery.h"
#include "core/app/IniFile.h"
#include "core/app/Language.h"
#include "core/app/Startup.h"
#include "core/link/ConnectionSettings.h"
#include "core/text/TextFile.h"
#include "ui/app/Dialogs.h"
#include "ui/app/HelpContext.h"
#include "ui/app/HelpWindow.h"
#include "ui/app/Icons.h"
#include "ui/app/MainActions.h"
#include "ui/app/OnlinePanel.h"
#include "ui/app/QtText.h"
#include "ui/app/StatusPanels.h"
#include "ui/app/StatusRefresher.h"
#include "ui/app/TAboutForm.h"
#include "ui/app/TInfoForm.h"
#include "ui/link/CommPart.h"
#include "ui/views/ViewsPart.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <iostream>

namespace vorbix::ui {
namespace {

struct PageInfo
{
    const char* name;
    const char* caption;
    int helpContext;
};

// In page-index order (app::Page).
constexpr PageInfo kPages[] = {
    {"MemoryPage", "Memory view", 110},   {"UserPage", "File view", 120},
    {"HistoryPage", "History view", 140}, {"BatteryPage", "Battery view", 130},
    {"MonitorPage", "Monitoring", 150},   {"DirectControlPage", "Direct Control", 180},
};

constexpr int kPageTexts[] = {158, 159, 215, 200, 231}; // the direct control page keeps its caption

QTimer* namedTimer(QObject* parent, const char* name, int interval)
{
    auto* timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    return timer;
}

} // namespace

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
    buildPages();
    m_statusBar = new StatusPanels(this);
    setHelpContext(m_statusBar, 170);
    setStatusBar(m_statusBar);

    m_onLineTimer = namedTimer(this, "OnLineTimer", 500);
    m_timeOutTimer = namedTimer(this, "TimeOutTimer", 300);
    m_blinkTimer = namedTimer(this, "BlinkTimer", 500);

    m_refresher = new StatusRefresher([this] { UpdateStatus(); }, this);
    m_infoForm = new TInfoForm(this);
    m_aboutForm = new TAboutForm(this);

    connect(m_actions->action(QStringLiteral("MenuExit")), &QAction::triggered, this, &QWidget::close);
    connect(m_actions->action(QStringLiteral("MenuAbout")), &QAction::triggered, this, &TMainForm::MenuAboutClick);
    connect(m_actions->action(QStringLiteral("MenuIndex")), &QAction::triggered, this, &TMainForm::MenuIndexClick);
    connect(m_pageControl, &QTabWidget::currentChanged, this, &TMainForm::RefreshStatus);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::ApplicationShortcut);
    connect(help, &QShortcut::activated, this, &TMainForm::showHelpForFocus);
}

TMainForm::~TMainForm() = default;

void TMainForm::buildPages()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_pageControl = new QTabWidget(central);
    m_pageControl->setObjectName(QStringLiteral("PageControl"));
    setHelpContext(m_pageControl, 100);
    for (const PageInfo& info : kPages) {
        auto* page = new QWidget(m_pageControl);
        page->setObjectName(QString::fromLatin1(info.name));
        setHelpContext(page, info.helpContext);
        // The views of each page add themselves to this layout.
        new QVBoxLayout(page);
        m_pageControl->addTab(page, QString::fromLatin1(info.caption));
    }
    m_pageControl->setTabVisible(static_cast<int>(app::Page::DirectControl), false);

    m_messagesPanel = new QWidget(central);
    m_messagesPanel->setObjectName(QStringLiteral("MessagesPanel"));
    setHelpContext(m_messagesPanel, 150);
    new QVBoxLayout(m_messagesPanel);
    m_messagesPanel->hide();

    m_onlinePanel = new OnlinePanel(central);

    layout->addWidget(m_pageControl, 1);
    layout->addWidget(m_messagesPanel, 1);
    layout->addWidget(m_onlinePanel);
    setCentralWidget(central);
}

QWidget* TMainForm::page(app::Page which) const
{
    return m_pageControl->widget(static_cast<int>(which));
}

std::string TMainForm::settingsPath() const
{
    return text::joinPath(m_programFolder, "Vorbix.ini");
}

std::string TMainForm::connectionText() const
{
    // The link keeps the current connection; until it exists the settings carry the same values.
    return link::ConnectionText(m_settings.connection);
}

bool TMainForm::create()
{
    m_languageCode = app::ReadLanguageCode(app::IniFile::load(settingsPath()));
    if (!LoadLanguage(m_languageCode)) {
        if (m_languageCode == "US" || !LoadLanguage("US")) {
            return false;
        }
    }

    createProgramObjects();
    m_state = app::ShellState{}; // FirstActivation set, StartupDone cleared, DataFileName empty
    const std::string startFile = app::StartFileFrom(m_arguments);
    if (!startFile.empty()) {
        m_state.DataFileName = startFile;
        m_state.StartFileGiven = true;
    }

    std::string error;
    if (app::EnsureBackupFolder(m_programFolder, error)) {
        tellDefinitionsFolder();
    } else {
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
    m_helpFile = app::HelpFileFor(m_programFolder, code);
    if (m_helpWindow != nullptr) {
        m_helpWindow->setContentsPage(fromCp(m_helpFile));
    }
    m_definitionFileName = app::DefinitionFileFor(m_programFolder, code);
    applyLanguageTexts();
    app::LoadUserTitles(app::IniFile::load(settingsPath()), m_lang, m_settings);
    emit languageApplied();
    return true;
}

void TMainForm::applyLanguageTexts()
{
    m_actions->applyTexts(m_lang, m_state.LoggedIn, m_state.OnLine);
    for (int i = 0; i < 5; ++i) {
        m_pageControl->setTabText(i, fromCp(LangText(m_lang, kPageTexts[i])));
    }
    m_onlinePanel->applyTexts(m_lang);
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
        Dialogs::error(this, fromCp(LangText(m_lang, 80) + " - " + unreadable));
    }
    app::LoadSettings(ini, m_settings);
    m_commPart->applySettings();
    m_pageControl->setCurrentIndex(m_settings.PageControl);
    applyWindowGeometry();
    loadColumnConfig();
    tellDefinitionsFileName();
    loadLowBattAndHistory();
    giveDialogsLanguage();
    initMonitor();

    UnlockCommCommands();
    m_state.StartupDone = true;
    m_pageControl->setTabVisible(static_cast<int>(app::Page::DirectControl), false);
    setWindowTitle(QStringLiteral("Vorbix"));

    const app::StartupPlan plan = app::PlanStartup(m_settings, m_state);
    if (plan.userLogin) {
        bool administrator = false;
        if (!runUserLogin(administrator)) {
            return false;
        }
        m_state.AdminRights = administrator;
        if (!administrator) {
            for (const app::Page p : {app::Page::Memory, app::Page::User, app::Page::Monitor}) {
                m_pageControl->setTabVisible(static_cast<int>(p), false);
            }
            m_onlinePanel->hide();
            m_actions->cutDownForUser();
        }
    } else {
        m_state.AdminRights = true;
        if (plan.profileCaption) {
            setProfileCaption();
        } else if (plan.welcome) {
            showWelcome();
        }
        if (plan.takeOpenDataPath) {
            m_state.DataFileName = m_settings.OpenDataPath;
            if (plan.openDataPath) {
                openBackupFile(m_state.DataFileName);
                m_state.DataSaved = true;
            }
        }
        if (plan.takeMonitorPath) {
            setMonitorSetupFile(m_settings.OpenMonitorPath);
            if (plan.loadMonitorPath) {
                loadMonitorFile(m_settings.OpenMonitorPath);
            }
        }
        if (plan.openStartFile) {
            openBackupFile(m_state.DataFileName);
            m_state.DataSaved = true;
        }
    }
    RefreshStatus();
    return true;
}

void TMainForm::setProfileCaption()
{
    setWindowTitle(fromCp(app::ProfileCaption(m_settings.profiles, connectionText())));
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
    if (m_infoForm->isVisible()) {
        m_infoForm->activateWindow();
    }
    if (!m_state.FirstActivation || !m_state.StartupDone) {
        return;
    }
    m_state.FirstActivation = false;
    const app::ActivationPlan plan = app::PlanFirstActivation(m_settings, m_state);
    if (plan.download) {
        runDownload();
    }
    if (plan.online) {
        startOnline();
    }
    if (plan.monitor) {
        enterMonitorMode();
    }
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // A communication sequence is waiting for the receiver on this thread; it ends first.
    if (m_commPart != nullptr && m_commPart->busy()) {
        event->ignore();
        return;
    }
    if (!m_closed && !closeQuery()) {
        event->ignore();
        return;
    }
    if (!m_closed && m_state.StartupDone) {
        closeSteps();
    }
    m_closed = true;
    if (m_helpWindow != nullptr) {
        m_helpWindow->close();
    }
    event->accept();
}

bool TMainForm::closeQuery()
{
    app::CloseQueryPorts ports;
    ports.ask = [this](const std::string& question) {
        return Dialogs::question(this, windowTitle(), fromCp(question));
    };
    ports.saveDataSet = m_saveDataSet;
    ports.saveMonitorSetup = m_saveMonitor;
    return app::CloseQuery(m_state, monitorMarks(), m_lang, ports);
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

void TMainForm::closeSteps()
{
    m_settings.PageControl = m_pageControl->currentIndex();
    storeWindowGeometry();
    // The program still ends when this fails; the user was told that the settings were not written.
    (void)SaveSettings();
    if (m_state.LoggedIn) {
        saveMemoryWidths();
    }
    if (m_state.DataOpen) {
        saveUserWidths();
    }
    logout();
    m_refresher->stop();
}

void TMainForm::applyWindowGeometry()
{
    const app::WindowGeometry& w = m_settings.window;
    resize(w.Width, w.Height);
    move(w.Left, w.Top);
    if (w.State == app::WindowState::Maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else if (w.State == app::WindowState::Minimized) {
        setWindowState(windowState() | Qt::WindowMinimized);
    }
}

void TMainForm::storeWindowGeometry()
{
    app::WindowGeometry& w = m_settings.window;
    if (isMaximized()) {
        w.State = app::WindowState::Maximized;
    } else if (isMinimized()) {
        w.State = app::WindowState::Minimized;
    } else {
        w.State = app::WindowState::Normal;
        w.Width = width();
        w.Height = height();
        w.Left = x();
        w.Top = y();
    }
}

void TMainForm::RefreshStatus()
{
    m_refresher->request();
}

int TMainForm::statusUpdatesRun() const
{
    return m_refresher->updatesRun();
}

void TMainForm::UpdateStatus()
{
    app::StatusInput in;
    in.state = m_state;
    in.monitor = monitorMarks();
    in.connectionText = connectionText();
    in.receiverDescription = receiverDescription();
    in.savedText = LangText(m_lang, 88);
    in.activePage = m_pageControl->currentIndex();
    in.messageViewShown = !m_messagesPanel->isHidden();
    in.captions = {toCp(m_pageControl->tabText(0)), toCp(m_pageControl->tabText(1)), toCp(m_pageControl->tabText(4))};

    const app::StatusView view = app::UpdateStatus(in);
    for (int i = 0; i < 5; ++i) {
        m_statusBar->setPanelText(i, fromCp(view.panels[static_cast<std::size_t>(i)]));
    }
    m_pageControl->setTabText(0, fromCp(view.captions.memory));
    m_pageControl->setTabText(1, fromCp(view.captions.user));
    m_pageControl->setTabText(4, fromCp(view.captions.monitor));
    if (view.recordCommandsEnabled) {
        m_actions->setRecordCommandsEnabled(*view.recordCommandsEnabled);
    }
}

void TMainForm::LockCommCommands()
{
    m_actions->LockCommCommands();
}

void TMainForm::UnlockCommCommands()
{
    m_actions->UnlockCommCommands();
}

void TMainForm::setMonitorPort(std::function<app::MonitorMarks()> marks, std::function<bool()> save)
{
    m_monitorMarks = std::move(marks);
    m_saveMonitor = std::move(save);
}

app::MonitorMarks TMainForm::monitorMarks() const
{
    return m_monitorMarks ? m_monitorMarks() : app::MonitorMarks{};
}

HelpWindow* TMainForm::helpWindow()
{
    if (m_helpWindow == nullptr) {
        m_helpWindow = new HelpWindow(this);
        m_helpWindow->setContentsPage(fromCp(m_helpFile));
    }
    return m_helpWindow;
}

bool TMainForm::helpAvailable()
{
    std::string reason;
    if (text::fileExists(m_helpFile, reason)) {
        return true;
    }
    Dialogs::error(this, fromCp(LangText(m_lang, 80) + " - " + reason));
    return false;
}

void TMainForm::MenuIndexClick()
{
    if (helpAvailable()) {
        helpWindow()->showContents();
    }
}

void TMainForm::showHelpForFocus()
{
    if (helpAvailable()) {
        QWidget* focus = QApplication::focusWidget();
        helpWindow()->showContext(helpContextOf(focus != nullptr ? focus : this));
    }
}

void TMainForm::MenuAboutClick()
{
    m_aboutForm->setRxDefPath(text::joinPath(m_programFolder, "Rx.def"));
    m_aboutForm->exec();
}

// --- call sites of the other parts ---

void TMainForm::createProgramObjects()
{
    // The link, the receiver object, the definitions, the battery and history lists and the monitor
    // are created here, in that order, by the parts that build them. The record views own the
    // receiver memory and the definitions until the receiver object exists.
    if (m_viewsPart == nullptr) {
        m_viewsPart = new ViewsPart(*this);
    }
    if (m_commPart == nullptr) {
        m_commPart = new CommPart(*this, *m_viewsPart);
    }
}

void TMainForm::tellDefinitionsFolder()
{
    // The receiver definitions learn ProgramFolder here.
}

void TMainForm::tellDefinitionsFileName()
{
    // The receiver definitions learn DefinitionFileName here.
}

void TMainForm::loadColumnConfig()
{
    m_viewsPart->loadColumnConfig();
}

void TMainForm::loadLowBattAndHistory()
{
    // The low-battery list and then the history list load their files here.
}

void TMainForm::giveDialogsLanguage()
{
    m_aboutForm->setLanguage(&m_lang);
    m_commPart->giveLanguage();
    // The other dialogs get the language table here as they are added.
}

void TMainForm::initMonitor()
{
    // The monitor sets its initial state here.
}

bool TMainForm::runUserLogin(bool& administrator)
{
    administrator = false;
    if (m_userLogin) {
        return m_userLogin(administrator);
    }
    // Until the accounts part sets the login no account can be checked: the start ends as if the
    // login were cancelled.
    std::cerr << "Vorbix: the user login is not available in this build\n";
    return false;
}

void TMainForm::showWelcome()
{
    // The welcome window is shown here without blocking; it sets the caption when it closes.
}

bool TMainForm::openBackupFile(const std::string& path)
{
    return m_viewsPart->openBackupFile(path);
}

void TMainForm::setMonitorSetupFile(const std::string& /*path*/)
{
    // The monitor takes its SetupFile here.
}

bool TMainForm::loadMonitorFile(const std::string& /*path*/)
{
    // The monitor loads its setup file here (Nacti).
    return false;
}

void TMainForm::runDownload()
{
    m_commPart->MenuDownloadClick();
}

void TMainForm::startOnline()
{
    // The configured on-line mode starts here.
}

void TMainForm::enterMonitorMode()
{
    // The configured monitor mode starts here.
}

std::string TMainForm::receiverDescription() const
{
    return m_commPart != nullptr ? m_commPart->receiverDescription() : std::string();
}

void TMainForm::saveMemoryWidths()
{
    m_viewsPart->saveMemoryWidths();
}

void TMainForm::saveUserWidths()
{
    m_viewsPart->saveUserWidths();
}

void TMainForm::logout()
{
    m_commPart->Logout();
}

} // namespace vorbix::ui
