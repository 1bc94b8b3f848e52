#pragma once

#include <QTableView>
#include <string>
#include <vector>

namespace vorbix::app {
struct Settings;
}

namespace vorbix::ui {

// What the program's tables share: the selected rows, the current row, the sort mark of the title
// row, the column widths (kept in a settings section when asked to) and the activation of rows by a
// double click below the title row. While another part of the window picks rows from the table
// (the record picker), an activation is a pick instead.
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DataGrid(const QString& objectName, QWidget* parent = nullptr);

    // The selected rows from the top, the current row when none.
    std::vector<int> selectedRows() const;
    // The current row; -1 when there is none.
    int currentRow() const;
    // Makes `row` the current and only selected row (nothing outside the rows).
    void selectRow(int row);
    // The sort mark on `column` (none for -1).
    void setSortMark(int column, bool ascending);

    std::vector<int> columnWidths() const;
    // Widths of the columns from 0; columns beyond the list keep their width.
    void setColumnWidths(const std::vector<int>& widths);
    // From now on the widths live in `section` of the settings: every width the user sets is written
    // there once loadWidths has put the stored ones back. `settings` must outlive the grid.
    void keepWidths(app::Settings& settings, std::string section);
    // The widths of the kept section, when there is one.
    void loadWidths();
    // Fits the columns whenever the model's titles or rows change.
    void setModel(QAbstractItemModel* model) override;

    // Every title shows whole, with room for the sort arrow: a narrower column (a stored width, one
    // kept from another language) is widened whenever the titles, the rows or the sort mark change.
    // With `cells` on, a column also grows for a cell text wider than any it showed before (up to a
    // limit), as the rows come and as the language changes them.
    void fitToTexts(bool cells) { m_fitCells = cells; }
    // The widening, now rather than once the window has time (tests, and after a width is loaded).
    void fitColumns();

    // While picking, an activation emits rowsPicked and not rowsActivated.
    void setPicking(bool picking) { m_picking = picking; }
    bool picking() const { return m_picking; }

signals:
    // A press on a title: the column under the pointer.
    void titleClicked(int column);
    // The user changed a column's width.
    void widthsChanged();
    // A double click on a row below the title row.
    void rowsActivated(int row);
    // The same while picking.
    void rowsPicked(int row);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    // Set while the program, not the user, changes the widths.
    bool m_settingWidths = false;

private:
    app::Settings* m_settings = nullptr;
    std::string m_section;
    bool m_widthsLoaded = false;
    bool m_picking = false;
    bool m_fitCells = false;
    bool m_fitPending = false;
    // Per column, the widest cell text the column was fitted to.
    std::vector<int> m_fittedCells;

    void fitSoon();
};

} // namespace vorbix::ui
