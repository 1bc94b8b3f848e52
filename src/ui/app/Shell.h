#pragma once

#include "core/app/ShellState.h"
#include "core/app/StatusView.h"
#include "core/base/LanguageTable.h"

#include <QString>
#include <string>

class QTabWidget;
class QWidget;

namespace vorbix::app {
struct Settings;
}

namespace vorbix::ui {

class LinkSession;
class MainActions;
class OnlinePanel;
class PageGrids;
class SoundPlayer;
class TInfoForm;
struct RecordData;

// The main window as every feature sees it: the program-wide values it holds for the whole run,
// the window's parts the features fill, and the shell's own operations. Features reach each other
// only through signals that the main window wires; what they share lives here.
class Shell
{
public:
    // --- held for the whole run ---
    virtual app::ShellState& state() = 0;
    virtual app::Settings& settings() = 0;
    virtual const PopisType& lang() const = 0;
    virtual const std::string& programFolder() const = 0;
    virtual const std::string& languageCode() const = 0;
    // The function definition file of the current language ("RxFncUS.def", ...).
    virtual const std::string& definitionFileName() const = 0;
    virtual std::string settingsPath() const = 0;
    // The receiver memory, the function definitions and the data set.
    virtual RecordData& records() = 0;
    // The one link to the receiver; every communication sequence takes its lease.
    virtual LinkSession& linkSession() = 0;
    // The table of each page, for find, export and print.
    virtual PageGrids& pageGrids() = 0;
    // The beep and the alarms.
    virtual SoundPlayer& sounds() = 0;

    // --- the window ---
    // The parent of the features' dialogs and message boxes.
    virtual QWidget* mainWindow() = 0;
    // The caption, the title of the question boxes.
    virtual QString caption() const = 0;
    virtual MainActions* actions() const = 0;
    virtual QTabWidget* pageControl() const = 0;
    virtual QWidget* page(app::Page page) const = 0;
    virtual void showPage(app::Page page) = 0;
    virtual app::Page currentPage() const = 0;
    // The monitor's message view, shown instead of the pages in monitor mode.
    virtual QWidget* messagesPanel() const = 0;
    virtual OnlinePanel* onlinePanel() const = 0;
    // The busy window.
    virtual TInfoForm* infoForm() const = 0;

    // --- the shell's operations ---
    // Asks for one status update; requests coalesce.
    virtual void RefreshStatus() = 0;
    // Writes the settings batch to "Vorbix.ini"; a failure is shown and gives false.
    virtual bool SaveSettings() = 0;
    // Caption "Vorbix - " + the name of the profile matching the current connection.
    virtual void setProfileCaption() = 0;
    // The supervision of a lost link, beside the status panels; empty when the link is well.
    virtual void showLinkNote(const QString& note) = 0;
    // What the status shows of the monitor's setup.
    virtual void setMonitorMarks(const app::MonitorMarks& marks) = 0;
    // For an application user without administrator rights: the memory, file and monitor pages, the
    // tool bar and the on-line panel go, and the menus but Help.
    virtual void cutDownForUser() = 0;

protected:
    ~Shell() = default;
};

} // namespace vorbix::ui
