#pragma once

#include "core/model/TDataSet.h"
#include "core/views/ImportLanguages.h"
#include "core/views/RecordImport.h"
#include "core/views/TFinder.h"
#include "core/views/UndoCleanPoints.h"
#include "ui/app/Feature.h"

#include <functional>
#include <string>

class QAction;
class QUndoStack;

namespace vorbix::ui {

class RecordGrid;
class RecordViews;
class TEditForm;
class TFindForm;
class TNewForm;

// The record views and editing in the main window: it puts the grids on the memory and file pages
// (and registers them as those pages' tables), runs the Edit menu's record and find commands and
// the File menu's data-file commands, and asks about the unsaved data set when the program closes.
// The data set's state is copied into the shell state after every change, and the status refreshed.
class RecordViewsFeature : public Feature
{
    Q_OBJECT
public:
    explicit RecordViewsFeature(Shell& shell);
    ~RecordViewsFeature() override;

    RecordViews& views() { return *m_views; }
    // The titles of the user grid's shown columns in display order (the setup dialog's sort list).
    std::vector<std::string> userColumnTitles();
    TEditForm& editForm() { return *m_editForm; }
    TNewForm& newForm() { return *m_newForm; }
    TFindForm& findForm() { return *m_findForm; }
    views::TFinder& finder() { return m_finder; }
    // The history of record adds, edits, deletes and comment imports. Anything else that replaces
    // the records (open, new, close, download) or hands them to the receiver (upload, logout)
    // clears it.
    QUndoStack& undoStack() { return *m_undo; }

    void connectActions(MainActions& actions) override;
    // The Undo and Redo captions.
    void applyLanguage(const PopisType& lang) override;
    // The user grid's column codes and visibility.
    void settingsLoaded() override;
    // The data file named in the settings or on the command line becomes the data set.
    bool startup(const app::StartupPlan& plan) override;
    // The data set, when it has unsaved changes: saved to DataFileName, or under a name asked for.
    std::optional<app::UnsavedItem> unsavedItem() override;
    // The shown grids' column widths.
    void closeSteps() override;

    void RebuildViews();
    void saveMemoryWidths();
    void saveUserWidths();
    // Shows or hides the user column of code 7-11.
    void setUserColumnVisible(int columnCode, bool visible);

    // --- Edit menu ---
    void MenuAdd();
    void MenuEdit();
    void MenuDelete();
    // "Add" of the on-line panel: the received transmitter (its code and button as the panel shows
    // them) into the first free slot; `transmitterAdded` when the dialog was accepted.
    void AddTransmitter(const QString& transmitter, const QString& button);
    void MenuFind();
    void MenuFindNext();
    // The search of the active page's table; false when nothing was found (text 146 was shown).
    bool RunFind();
    // Finds a transmitter's serial digits in the serial column of the file view (a data set is
    // open) or else the memory view (logged in), from the top; when nothing is found (text 146 was
    // shown) the page shown before comes back.
    void FindTransmitter(const QString& serial);
    // On-line mode received a transmitter (serial digits, button code): with FindLast on, the row
    // of each shown table that holds it becomes current.
    void SelectLastTransmitter(const QString& serial, const QString& button);

    // --- File menu ---
    void MenuNew();
    void MenuOpen();
    void MenuSave();
    void MenuSaveAs();
    void MenuClose();
    void MenuImport();
    // File > Import records from a CSV file: the file view's columns, every row checked with the
    // record dialog's rules; the report shows first, and OK applies the accepted rows as one undo
    // step. Offered while records are shown (a data set open or logged in).
    void MenuImportCsv();
    void MenuOpenBackup();
    // A data file named by a connection profile or the welcome window: DataFileName takes it, and
    // when it exists it becomes the data set, counted as saved.
    void OpenProfileDataFile(const QString& path);

signals:
    void transmitterAdded();

private:
    // The Undo and Redo captions, with the step each takes.
    void nameUndoSteps();
    // The data file named at start-up becomes the data set (counted as saved).
    bool openBackupFile(const std::string& path);
    bool saveForClose();
    void syncState();
    void updateImportCsv();
    // The import's checks for the records shown: the file view's titles and function names in the
    // language shown and in the other shipped language, and the transmitter types.
    // `otherLanguages` keeps the other language's texts alive.
    views::ImportSetup importSetup(views::OtherLanguages& otherLanguages) const;
    void showError(const std::string& message);
    bool loggedIn() const;
    RecordGrid* activeRecordGrid() const;
    void showBusy(bool show);
    // The unsaved-changes question; false when the command must stop.
    bool askToSave(int text, bool mainTitle);
    bool saveAsDialog();
    bool newDataSet();
    void storeUserWidthsIfShown();
    void saveLastFile();
    // The edit dialog on a prepared free slot; accepted, the record is added as one undo step.
    // False when the dialog was cancelled.
    bool addInSlot(int slot);
    // The slot's row becomes the selected one in each shown record grid, scrolled into view.
    void selectSlot(int slot);
    // Runs `change` on the record table and keeps what it changed as one undo step named `text`.
    void undoable(int text, const std::function<void()>& change);
    // An undo or redo: the slots get the given contents, counted as an edit.
    void putRecords(const std::vector<std::pair<int, model::TData>>& records);
    void followDataSet(model::TDataSet::Change change);
    // An undo or redo reached `step`: back at the saved or the receiver's records, the data set
    // counts as unchanged again.
    void followUndoStep(int step);
    // The memory and file pages' grids, for find, export, print and the record picker.
    void registerGrids();

    RecordViews* m_views = nullptr;
    TEditForm* m_editForm = nullptr;
    TNewForm* m_newForm = nullptr;
    TFindForm* m_findForm = nullptr;
    views::TFinder m_finder;
    QUndoStack* m_undo = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    bool m_changingRecords = false; // the records change through an undoable command
    views::UndoCleanPoints m_clean;
    bool m_returningToClean = false; // an undo step is marking the data set unchanged
};

} // namespace vorbix::ui
