#pragma once

#include "core/app/Settings.h"
#include "core/app/ShellState.h"
#include "core/app/StatusView.h"
#include "core/base/LanguageTable.h"
#include "ui/app/MainActions.h"
#include "ui/app/MainPages.h"
#include "ui/app/PageCommandRouter.h"
#include "ui/app/PageGrids.h"
#include "ui/app/Shell.h"
#include "ui/app/StatusPanels.h"
#include "ui/app/StatusRefresher.h"

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

namespace vorbix::ui {

class Feature;

// The main window: the frame every feature plugs into. It holds the shell state, the settings, the
// language table, the records and the link session for the whole run; creates the features in one
// wiring function; runs the start-up steps (creation, first showing, first activation) and the close
// steps, calling the features' hooks in wiring order; and keeps the status bar, the page captions and
// the enabled commands in step with the state through RefreshStatus.
class TMainForm : public QMainWindow, public Shell
{
    Q_OBJECT
public:
    TMainForm(std::string programFolder, std::vector<std::string> arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Window creation: the language (falling back to "US"), the program-wide objects and the features,
    // the shell state, the command-line file and the Backup folder. False when no language can be
    // loaded: the program ends.
    [[nodiscard]] bool create();

    // True when the first showing refused to start (a definition file is missing, or the user
    // login was cancelled); the window then closes itself.
    bool startRefused() const { return m_startRefused; }

    // --- Shell ---
    app::ShellState& state() override { return m_state; }
    app::Settings& settings() override { return m_settings; }
    const PopisType& lang() const override { return m_lang; }
    const std::string& programFolder() const override { return m_programFolder; }
    const std::string& languageCode() const override { return m_languageCode; }
    const std::string& definitionFileName() const override { return m_definitionFileName; }
    std::string settingsPath() const override;
    RecordData& records() override { return *m_records; }
    MonitorSetup& monitorSetup() override { return *m_monitorSetup; }
    LinkSession& linkSession() override { return *m_linkSession; }
    PageGrids& pageGrids() override { return m_pageGrids; }
    SoundPlayer& sounds() override { return *m_sounds; }
    QWidget* mainWindow() override { return this; }
    QString caption() const override { return windowTitle(); }
    MainActions* actions() const override { return m_actions; }
    ShellEvents& events() override { return *m_events; }
    QWidget* page(app::Page which) const override { return m_pages->page(which); }
    void showPage(app::Page which) override { m_pages->showPage(which); }
    app::Page currentPage() const override { return m_pages->currentPage(); }
    void setPageShown(app::Page which, bool shown, const QString& caption = QString()) override
    {
        m_pages->setPageShown(which, shown, caption);
    }
    void setPageCommands(app::Page which, PageCommands commands) override
    {
        m_pageCommands->set(which, std::move(commands));
    }
    void setBottomPanel(QWidget* panel) override { m_pages->setBottomPanel(panel); }
    void setMessageView(QWidget* view) override { m_pages->setMessageView(view); }
    void enterMonitorLayout() override;
    void leaveMonitorLayout() override;
    bool inMonitorLayout() const override { return m_pages->inMonitorLayout(); }
    bool openRecordPicker(app::Page which, std::function<void()> picked) override;
    void closeRecordPicker() override { m_pageGrids.stopPicking(); }
    TInfoForm* infoForm() const override { return m_infoForm; }
    void RefreshStatus() override { m_refresher->request(); }
    bool SaveSettings() override;
    void setProfileCaption() override;
    void showLinkNote(const QString& note) override { m_statusBar->setLinkNote(note); }
    void showStatusMessage(const QString& message) override { m_statusBar->showMessage(message); }
    void cutDownForUser() override;

    // Loads a language and applies its texts to this window and the features; errors are shown.
    // False on failure.
    [[nodiscard]] bool LoadLanguage(const std::string& code);
    void LockCommCommands() { m_actions->LockCommCommands(); }
    void UnlockCommCommands() { m_actions->UnlockCommCommands(); }
    std::string connectionText() const;

    // Adds a feature (the wiring function's, or a test's): it connects its actions and from then on
    // takes part in every hook. The window owns it.
    void addFeature(Feature* feature);
    // The feature of type F, or null.
    template <typename F> F* feature() const
    {
        for (Feature* f : m_features) {
            if (auto* found = qobject_cast<F*>(f)) {
                return found;
            }
        }
        return nullptr;
    }

    StatusPanels* statusPanels() const { return m_statusBar; }
    int statusUpdatesRun() const { return m_refresher->updatesRun(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void wireFeatures();
    bool firstShowing();
    void activated();
    bool busy() const;
    bool closeQuery();
    void closeSteps();
    void UpdateStatus();
    void applyLanguageTexts();

    std::string m_programFolder;
    std::vector<std::string> m_arguments;
    std::string m_languageCode = "US";
    std::string m_definitionFileName = "RxFncUS.def";
    PopisType m_lang;
    app::Settings m_settings;
    app::ShellState m_state;
    app::MonitorMarks m_monitorMarks;
    std::unique_ptr<RecordData> m_records;
    MonitorSetup* m_monitorSetup = nullptr;
    LinkSession* m_linkSession = nullptr;
    PageGrids m_pageGrids;
    std::vector<Feature*> m_features;
    bool m_firstShowDone = false;
    bool m_startRefused = false;
    bool m_closed = false;

    MainActions* m_actions = nullptr;
    MainPages* m_pages = nullptr;
    ShellEvents* m_events = nullptr;
    PageCommandRouter* m_pageCommands = nullptr;
    StatusPanels* m_statusBar = nullptr;
    StatusRefresher* m_refresher = nullptr;
    TInfoForm* m_infoForm = nullptr;
    SoundPlayer* m_sounds = nullptr;
};

} // namespace vorbix::ui
