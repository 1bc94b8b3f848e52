#pragma once

#include "core/app/Settings.h"
#include "core/app/ShellState.h"
#include "core/app/StatusView.h"
#include "core/base/LanguageTable.h"

#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

class QTabWidget;
class QTimer;

namespace vorbix::ui {

class CommPart;
class HelpWindow;
class MainActions;
class OnlinePanel;
class StatusPanels;
class StatusRefresher;
class TAboutForm;
class TInfoForm;
class ViewsPart;

// The main window: the frame every other window plugs into. It holds the shell state, the
// settings and the language table for the whole run, runs the start-up steps (creation, first
// showing, first activation) and the close steps, and keeps the status bar, the page captions and
// the enabled commands in step with the state through RefreshStatus.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    TMainForm(std::string programFolder, std::vector<std::string> arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Window creation: the language (falling back to "US"), the shell state, the command-line file
    // and the Backup folder. False when no language can be loaded: the program ends.
    [[nodiscard]] bool create();

    // True when the first showing refused to start (a definition file is missing, or the user
    // login was cancelled); the window then closes itself.
    bool startRefused() const { return m_startRefused; }

    // --- the shell as the other windows use it ---
    app::ShellState& state() { return m_state; }
    app::Settings& settings() { return m_settings; }
    const PopisType& lang() const { return m_lang; }
    const std::string& programFolder() const { return m_programFolder; }
    const std::string& languageCode() const { return m_languageCode; }
    const std::string& definitionFileName() const { return m_definitionFileName; }
    std::string settingsPath() const;
    std::string connectionText() const;

    // Asks for one status update; see StatusRefresher for how requests coalesce.
    void RefreshStatus();
    void LockCommCommands();
    void UnlockCommCommands();

    // Loads a language and applies its texts to this window; errors are shown. False on failure.
    [[nodiscard]] bool LoadLanguage(const std::string& code);

    // Writes the settings batch to "Vorbix.ini"; a failure is shown and gives false.
    bool SaveSettings();

    // Caption "Vorbix - " + the name of the profile matching the current connection.
    void setProfileCaption();

    // The data set's save as the close question uses it: save to DataFileName, or ask for a name
    // when it is empty; false when the save failed or was abandoned. Set by the data-file owner.
    void setDataSetSaver(std::function<bool()> save) { m_saveDataSet = std::move(save); }
    // The application user login, shown modally at start when the setting Login is on: false when
    // cancelled; `administrator` gives the user's rights. Set by the accounts part.
    void setUserLogin(std::function<bool(bool& administrator)> login) { m_userLogin = std::move(login); }
    // The monitor's marks and its save (Uloz, or UlozJako without a SetupFile). Set by the monitor.
    void setMonitorPort(std::function<app::MonitorMarks()> marks, std::function<bool()> save);

    MainActions* actions() const { return m_actions; }
    QTabWidget* pageControl() const { return m_pageControl; }
    QWidget* page(app::Page page) const;
    QWidget* messagesPanel() const { return m_messagesPanel; }
    OnlinePanel* onlinePanel() const { return m_onlinePanel; }
    StatusPanels* statusPanels() const { return m_statusBar; }
    TInfoForm* infoForm() const { return m_infoForm; }
    TAboutForm* aboutForm() const { return m_aboutForm; }
    // The record views, the record edit and find commands and the data-file commands.
    ViewsPart* viewsPart() const { return m_viewsPart; }
    CommPart* commPart() const { return m_commPart; }
    HelpWindow* helpWindow();
    int statusUpdatesRun() const;

    void MenuIndexClick();
    void MenuAboutClick();
    // F1: the topic of the focused control's help context, or of its nearest parent's.
    void showHelpForFocus();

signals:
    // After LoadLanguage applied the main window's texts; the pages' owners apply theirs.
    void languageApplied();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildPages();
    bool firstShowing();
    void activated();
    bool closeQuery();
    void closeSteps();
    void UpdateStatus();
    void applyLanguageTexts();
    void applyWindowGeometry();
    void storeWindowGeometry();
    app::MonitorMarks monitorMarks() const;
    // False, after telling the user, when the language's help is not installed.
    bool helpAvailable();

    // Call sites of the steps other parts of the program build. Each does nothing (or reports
    // failure) until its owner connects it.
    void createProgramObjects();                  // link, receiver, definitions, battery and history lists, monitor
    void tellDefinitionsFolder();                 // the definitions learn ProgramFolder
    void tellDefinitionsFileName();               // the definitions learn DefinitionFileName
    void loadColumnConfig();                      // the user grid's column codes and visibility
    void loadLowBattAndHistory();                 // the low-battery list, then the history list
    void giveDialogsLanguage();                   // every dialog that shows texts gets the language table
    void initMonitor();                           // the monitor object's initial state
    bool runUserLogin(bool& administrator);       // the application user login; false when cancelled
    void showWelcome();                           // the welcome window, shown without blocking
    bool openBackupFile(const std::string& path); // opens a data file as the data set
    void setMonitorSetupFile(const std::string& path); // the monitor's SetupFile
    bool loadMonitorFile(const std::string& path);     // Nacti of the monitor
    void runDownload();                                // the configured download at first activation
    void startOnline();                                // the configured on-line mode at first activation
    void enterMonitorMode();                           // the configured monitor mode at first activation
    std::string receiverDescription() const;           // the logged-in receiver type's description
    void saveMemoryWidths();                           // the memory grid's column widths
    void saveUserWidths();                             // the user grid's column widths
    void logout();                                     // logs out of the receiver, ending on-line mode

    std::string m_programFolder;
    std::vector<std::string> m_arguments;
    std::string m_languageCode = "US";
    std::string m_definitionFileName = "RxFncUS.def";
    std::string m_helpFile;
    PopisType m_lang;
    app::Settings m_settings;
    app::ShellState m_state;
    bool m_firstShowDone = false;
    bool m_startRefused = false;
    bool m_closed = false;

    std::function<bool()> m_saveDataSet;
    std::function<bool(bool&)> m_userLogin;
    std::function<app::MonitorMarks()> m_monitorMarks;
    std::function<bool()> m_saveMonitor;

    MainActions* m_actions = nullptr;
    QTabWidget* m_pageControl = nullptr;
    QWidget* m_messagesPanel = nullptr;
    OnlinePanel* m_onlinePanel = nullptr;
    StatusPanels* m_statusBar = nullptr;
    StatusRefresher* m_refresher = nullptr;
    TInfoForm* m_infoForm = nullptr;
    TAboutForm* m_aboutForm = nullptr;
    HelpWindow* m_helpWindow = nullptr;
    ViewsPart* m_viewsPart = nullptr;
    CommPart* m_commPart = nullptr;
    QTimer* m_onLineTimer = nullptr;
    QTimer* m_timeOutTimer = nullptr;
    QTimer* m_blinkTimer = nullptr;
};

} // namespace vorbix::ui
