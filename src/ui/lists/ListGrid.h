#pragma once

#include <QTableView>
#include <vector>

namespace vorbix::ui {

class ListTableModel;

// HistoryGrid and BatteryGrid: one title row whose clicks sort, whole-row selection, rows 20 pixels
// high, marked cells in their colour also when selected, texts cut with an ellipsis.
class ListGrid : public QTableView
{
    Q_OBJECT
public:
    ListGrid(const QString& objectName, QAbstractItemView::SelectionMode selection, QWidget* parent = nullptr);

    ListTableModel* tableModel() const { return m_model; }

    // The selected rows from the top, the current row when none.
    std::vector<int> selectedRows() const;
    // Makes `row` the current and only selected row (nothing outside the rows).
    void selectRow(int row);
    // The sort mark on `column` (none for -1).
    void setSortMark(int column, bool ascending);
    std::vector<int> columnWidths() const;
    void setColumnWidths(const std::vector<int>& widths);

signals:
    // A press on a title: the column under the pointer.
    void titleClicked(int column);
    // The user changed a column's width.
    void widthsChanged();
    // A double click below the title row.
    void rowDoubleClicked(int row);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ListTableModel* m_model;
    bool m_settingWidths = false;
};

} // namespace vorbix::ui
