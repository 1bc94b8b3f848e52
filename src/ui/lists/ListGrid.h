#pragma once

#include "ui/widgets/DataGrid.h"

namespace vorbix::ui {

class ListTableModel;

// HistoryGrid and BatteryGrid: one title row whose clicks sort, whole-row selection, rows 20 pixels
// high, marked cells in their colour also when selected, texts cut with an ellipsis.
class ListGrid : public DataGrid
{
    Q_OBJECT
public:
    ListGrid(const QString& objectName, QAbstractItemView::SelectionMode selection, QWidget* parent = nullptr);

    ListTableModel* tableModel() const { return m_model; }

private:
    ListTableModel* m_model;
};

} // namespace vorbix::ui
