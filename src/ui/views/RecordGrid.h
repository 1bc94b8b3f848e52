#pragma once

#include "ui/widgets/DataGrid.h"

namespace vorbix::ui {

class RecordTableModel;

// The common form of MemGrid and UserGrid: one title row, whole-row range selection, resizable
// columns, rows 20 pixels high, faulty rows in red also when selected; a double click below the
// title row activates the row (the edit command).
class RecordGrid : public DataGrid
{
    Q_OBJECT
public:
    explicit RecordGrid(const QString& objectName, QWidget* parent = nullptr);

    RecordTableModel* tableModel() const { return m_model; }

    int currentRowOrZero() const;

private:
    RecordTableModel* m_model;
};

} // namespace vorbix::ui
