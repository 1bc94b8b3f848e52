#pragma once

#include "core/base/LanguageTable.h"
#include "core/views/ColumnConfig.h"
#include "core/views/MemoryView.h"
#include "core/views/UserView.h"

#include <QObject>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vorbix::app {
struct Settings;
}
namespace vorbix::model {
class TRxFnc;
struct ReceiverMemory;
} // namespace vorbix::model

namespace vorbix::ui {

class RecordGrid;

// The two record grids, MemGrid on the memory page and UserGrid on the file page, and
// RebuildViews that fills them from the record table. It keeps the user grid's column set (codes,
// visibility, drags) and both grids' column widths in "Vorbix.ini", and the sort state in the
// settings.
class RecordViews : public QObject
{
    Q_OBJECT
public:
    struct Inputs
    {
        model::ReceiverMemory* memory = nullptr;
        model::TRxFnc* functions = nullptr;
        views::MemoryView* memoryView = nullptr; // what the two grids show
        views::UserView* userView = nullptr;
        app::Settings* settings = nullptr; // sort state and user column titles
        const PopisType* lang = nullptr;
        std::string settingsPath;            // "Vorbix.ini"
        std::function<bool()> loggedIn;      // a receiver is logged in: the memory grid shows
        std::function<bool()> dataOpen;      // a data set is open: the user grid shows
        std::function<void(bool show)> busy; // the busy window around a user grid fill
        ErrorSink onError;                   // settings that cannot be written
    };

    RecordViews(Inputs inputs, QWidget* memoryPage, QWidget* userPage, QObject* parent = nullptr);
    // The grids belong to their pages and may outlive the views they show: they are let go first.
    ~RecordViews() override;

    RecordGrid* memGrid() const { return m_memGrid; }
    RecordGrid* userGrid() const { return m_userGrid; }
    const views::MemoryView& memoryView() const { return m_memoryView; }
    const views::UserView& userView() const { return m_userView; }
    // What the views show the records with: functions, device, language and user titles.
    views::ViewContext context() const;
    bool MemoryViewEmpty() const { return m_memoryView.isEmpty(); }
    bool UserViewEmpty() const { return m_userView.isEmpty(); }

    // Reloads the function file for the current model and rebuilds both grids; a function file
    // that cannot be read leaves both as they are.
    void RebuildViews();

    void LoadColumnConfig();
    void SaveColumnConfig();
    void SaveUserWidths();
    void LoadUserWidths();
    void SaveMemoryWidths();
    void LoadMemoryWidths();

    // Shows or hides the user column of code 7-11 (the setup dialog, when its flag changes).
    void setUserColumnVisible(int columnCode, bool visible);
    // The titles of the user grid's shown columns in display order, as the current column set and
    // titles give them, whether or not a data set is open (the setup dialog's sort column list).
    std::vector<std::string> userColumnTitles();
    // A dragged user column (UserGridColumnMoved).
    void UserGridColumnMoved(int from, int to);
    // A click on a user-grid title: sorts by that column, or turns the order round.
    void UserGridTitleClicked(int column);

    // The serial number and button of a grid's row as the grid shows them; none when the grid has no
    // such columns or no such row.
    std::optional<std::pair<std::string, std::string>> transmitterOf(const RecordGrid* grid, int row) const;

    // The slots of the grid's selected rows from the top; a row without a record ends the list.
    std::vector<int> selectedSlots(const RecordGrid* grid) const;

signals:
    // A double click below the title row of either grid.
    void editRequested();
    // A title click of the user grid: the find position of the file view starts again.
    void userTitleClicked();

private:
    views::GridLayout layout() const;
    void BuildMemoryColumns();
    void FillMemoryGrid();
    void BuildUserColumns();
    void FillUserGrid();
    int& sortColumn();
    bool& sortUp();
    void showSortMark();
    bool writeIni(const std::function<void(app::IniFile&)>& change);

    Inputs m_in;
    RecordGrid* m_memGrid;
    RecordGrid* m_userGrid;
    views::MemoryView& m_memoryView;
    views::UserView& m_userView;
    views::ColumnConfig m_config;
    views::ColumnCodes m_codes;
    // Widths by layout as last stored or shown, so that hidden columns keep theirs.
    std::array<std::vector<int>, 2> m_userWidths;
    std::array<std::vector<int>, 2> m_memoryWidths;
    std::vector<bool> m_memoryWidthKeys; // which memory-grid widths the settings hold
    std::vector<bool> m_userWidthKeys;   // the same for the user grid
    // The columns the user never sized were fitted to the texts of the first filled grid.
    bool m_memoryFitted = false;
    bool m_userFitted = false;
    bool m_restoringHeader = false;
};

} // namespace vorbix::ui
