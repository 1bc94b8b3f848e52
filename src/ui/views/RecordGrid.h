#pragma once

#include <QTableView>
#include <vector>

namespace vorbix::ui {

class RecordTableModel;

// The common form of MemGrid and UserGrid: one title row, whole-row range selection, resizable
// columns, rows 20 pixels high, faulty rows in red also when selected, and a double click below
// the title row that asks for the edit command.
class RecordGrid : public QTableView
{
    Q_OBJECT
public:
    explicit RecordGrid(const QString& objectName, QWidget* parent = nullptr);

    RecordTableModel* tableModel() const { return m_model; }

    // The selected rows from the top (one consecutive range), the current row when none.
    std::vector<int> selectedRows() const;
    // Makes `row` the current and only selected row (nothing for -1).
    void selectRow(int row);
    int currentRowOrZero() const;

    std::vector<int> columnWidths() const;
    // Widths of the columns from 0; columns beyond the list keep their width.
    void setColumnWidths(const std::vector<int>& widths);

signals:
    void editRequested();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    RecordTableModel* m_model;
};

} // namespace vorbix::ui
