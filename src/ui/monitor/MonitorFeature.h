#pragma once

#include "core/app/StatusView.h"
#include "core/monitor/MonitorViews.h"
#include "core/monitor/TMonitor.h"
#include "ui/app/Feature.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

namespace vorbix::ui {

class MonitorPage;
class TMonitorAddForm;
class TMonitorEditForm;
class TMonitorEventEditForm;

// Monitor setups in the main window: the monitoring page with its three tables, the message and
// event dialogs, the record-selection window, the File menu's "Open monitoring ..." and "Save
// monitoring as ...", the Edit menu's Add, Edit and Delete while the page is on show, "Save all" and
// the question at close. The "*" of the page caption follows the setup's saved state.
class MonitorFeature : public Feature
{
    Q_OBJECT
public:
    explicit MonitorFeature(Shell& shell);
    ~MonitorFeature() override;

    monitor::TMonitor& setup() { return m_monitor; }
    MonitorPage& page() { return *m_page; }
    TMonitorEditForm& editForm() { return *m_editForm; }
    TMonitorEventEditForm& eventForm() { return *m_eventForm; }
    TMonitorAddForm& addForm() { return *m_addForm; }


    void connectActions(MainActions& actions) override;
    void applyLanguage(const PopisType& lang) override;
    // The group heights and the column widths from the settings.
    void settingsLoaded() override;
    // The last setup file, or the one the start-up options name, is loaded.
    bool startup(const app::StartupPlan& plan) override;
    // The setup, when it has unsaved changes: saved to its file, or under a name asked for.
    std::optional<app::UnsavedItem> unsavedItem() override;
    void closeSteps() override;

    // --- the page ---
    void MonitorGridRefresh();
    void EventGridsRefresh();
    // The Edit menu's commands on this page.
    void PridejZpravu();
    void Edituj();
    void Odstran();
    // "Add" of the Active or Deactive group: the message first when there is none, then the popup at
    // `popupAt` (global position; the pointer when not given).
    void AddButtonClick(bool active, std::optional<QPoint> popupAt = std::nullopt);
    void AddPopupSerialNumberClick();
    // Shows that page and opens the record-selection window.
    void AddPopupPageClick(app::Page page);
    // The record-selection window's OK: the selected rows of the page on show become events.
    void AddFormOK();
    void EditEventClick(bool active);
    void RemoveEventClick(bool active);
    void TitleClicked(int column);

    // --- File menu ---
    void MenuOpenMonitoringClick();
    void MenuSaveMonitoringAsClick();
    // "Save all": the setup, when there is one.
    void SaveAll();

public slots:
    // The records changed: the events take their user data again.
    void CommentRefresh();
    // A connection profile's monitor setup: SetupFile takes the path and the file is loaded when it
    // exists.
    void LoadSetupFile(const QString& path);

private:
    bool UlozJako();
    bool saveSetup();
    // The setup changed (or, `replaced`, another one was read): the others hear of it.
    void changed(bool replaced = false);
    void showError(const std::string& message);
    // The position of the message of the table's current row; -1 when there is none.
    int currentPosition() const;
    std::array<bool, 5> shownColumns() const;
    bool editEvent(monitor::TEvent& event);
    void pageChanged(int index);
    void addFormClosed();

    monitor::TMonitor& m_monitor; // the shell's setup of the run
    MonitorPage* m_page = nullptr;
    TMonitorEditForm* m_editForm = nullptr;
    TMonitorEventEditForm* m_eventForm = nullptr;
    TMonitorAddForm* m_addForm = nullptr;
    bool m_addFormOpen = false;
    std::unique_ptr<monitor::MonitorTableView> m_monitorView;
    std::unique_ptr<monitor::EventTableView> m_activeView;
    std::unique_ptr<monitor::EventTableView> m_deactiveView;
};

} // namespace vorbix::ui
