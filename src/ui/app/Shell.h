#pragma once

#include "core/app/ShellState.h"
#include "core/app/StatusView.h"
#include "core/base/LanguageTable.h"

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace vorbix::app {
struct Settings;
}

namespace vorbix::ui {

class LinkSession;
class MainActions;
class MonitorSetup;
class PageGrids;
class ShellEvents;
class SoundPlayer;
class TInfoForm;
class RecordData;

// What the Edit menu's Add, Edit and Delete do on one page; an empty one does nothing there.
struct PageCommands
{
    std::function<void()> add;
    std::function<void()> edit;
    std::function<void()> remove;
};

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
    // The receiver memory, the function definitions, the data set and its views; they announce
    // their changes.
    virtual RecordData& records() = 0;
    // The monitor setup of the run; it announces its changes.
    virtual MonitorSetup& monitorSetup() = 0;
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
    // What happens to the window that features follow (the page on show changes).
    virtual ShellEvents& events() = 0;
    // The page's area, whose layout its feature fills.
    virtual QWidget* page(app::Page page) const = 0;
    virtual void showPage(app::Page page) = 0;
    virtual app::Page currentPage() const = 0;
    // Shows or hides a page's tab; a caption that is given becomes its title.
    virtual void setPageShown(app::Page page, bool shown, const QString& caption = QString()) = 0;
    // Add, Edit and Delete of the Edit menu run the commands of the page on show (and nothing in
    // the monitor layout); a later call for the page replaces the earlier one.
    virtual void setPageCommands(app::Page page, PageCommands commands) = 0;
    // The panel below the pages (on-line mode's); it goes with them in the monitor layout.
    virtual void setBottomPanel(QWidget* panel) = 0;
    // The monitor layout: the message view alone, instead of the pages, the bottom panel and the
    // tool bar, with the menus that change data out of reach; leaving gives all back.
    virtual void setMessageView(QWidget* view) = 0;
    virtual void enterMonitorLayout() = 0;
    virtual void leaveMonitorLayout() = 0;
    virtual bool inMonitorLayout() const = 0;
    // The record picker: shows the page and, until it is closed, a double click on a row of the
    // page's grid runs `picked` instead of the grid's own command. False when the page has no
    // grid with transmitters.
    virtual bool openRecordPicker(app::Page page, std::function<void()> picked) = 0;
    virtual void closeRecordPicker() = 0;
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
    // A passing message in the status bar.
    virtual void showStatusMessage(const QString& message) = 0;
    // For an application user without administrator rights: the memory, file and monitor pages, the
    // tool bar and the on-line panel go, and the menus but Help.
    virtual void cutDownForUser() = 0;

protected:
    ~Shell() = default;
};

} // namespace vorbix::ui
