#pragma once

#include "core/model/TDataSet.h"
#include "core/model/TRxFnc.h"
#include "core/views/TFinder.h"

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace vorbix::ui {

class RecordGrid;
class RecordViews;
class TEditForm;
class TFindForm;
class TMainForm;
class TNewForm;

// The record views and editing in the main window: it owns the receiver memory, the function
// definitions and the data set, puts the grids on the memory and file pages, and runs the Edit
// menu's record and find commands and the File menu's data-file commands. The data set's state is
// copied into the shell state after every change, and the status refreshed.
class ViewsPart : public QObject
{
    Q_OBJECT
public:
    explicit ViewsPart(TMainForm& window);
    ~ViewsPart() override;

    model::ReceiverMemory& memory() { return m_memory; }
    model::TRxFnc& functions() { return m_functions; }
    model::TDataSet& dataSet() { return *m_dataSet; }
    RecordViews& views() { return *m_views; }
    TEditForm& editForm() { return *m_editForm; }
    TNewForm& newForm() { return *m_newForm; }
    TFindForm& findForm() { return *m_findForm; }
    views::TFinder& finder() { return m_finder; }

    // --- the main window's call sites ---
    void loadColumnConfig();
    // The data file named at start-up becomes the data set (counted as saved).
    bool openBackupFile(const std::string& path);
    void saveMemoryWidths();
    void saveUserWidths();
    // The close question's save: to DataFileName, or under a name asked for.
    bool saveForClose();

    void RebuildViews();

    // --- Edit menu ---
    void MenuAdd();
    void MenuEdit();
    void MenuDelete();
    // "Add" of the on-line panel: the last received transmitter into the first free slot.
    void BtnAddClick();
    void MenuFind();
    void MenuFindNext();
    // The search of the active page; false when nothing was found (text 146 was shown).
    bool RunFind();
    // The history and battery views register their grids for find when they exist.
    void setSearchableGrid(views::FindPage page, const views::GridText* grid, std::function<void(int row)> selectRow);

    // --- File menu ---
    void MenuNew();
    void MenuOpen();
    void MenuSave();
    void MenuSaveAs();
    void MenuClose();
    void MenuImport();
    void MenuOpenBackup();
    // The monitor's save for "Save all", connected when the monitor exists.
    void setMonitorSave(std::function<bool()> save) { m_saveMonitor = std::move(save); }

signals:
    // Records were edited, added, deleted or replaced: the lists refresh their transmitter texts.
    void recordsChanged();

private:
    void connectActions();
    void syncState();
    void showError(const std::string& message);
    bool loggedIn() const;
    views::FindPage activeFindPage() const;
    RecordGrid* activeRecordGrid() const;
    void showBusy(bool show);
    // The unsaved-changes question; false when the command must stop.
    bool askToSave(int text, bool mainTitle);
    bool saveAsDialog();
    bool newDataSet();
    void showPage(int page);
    void storeUserWidthsIfShown();
    void saveLastFile();

    TMainForm& m_window;
    model::ReceiverMemory m_memory;
    model::TRxFnc m_functions;
    std::unique_ptr<model::TDataSet> m_dataSet;
    RecordViews* m_views = nullptr;
    TEditForm* m_editForm = nullptr;
    TNewForm* m_newForm = nullptr;
    TFindForm* m_findForm = nullptr;
    views::TFinder m_finder;
    struct SearchableGrid
    {
        const views::GridText* grid = nullptr;
        std::function<void(int)> selectRow;
    };
    std::map<views::FindPage, SearchableGrid> m_listGrids;
    std::function<bool()> m_saveMonitor;
};

} // namespace vorbix::ui
