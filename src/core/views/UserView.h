#pragma once

#include "core/model/TData.h"
#include "core/views/ColumnConfig.h"
#include "core/views/GridText.h"
#include "core/views/RecordCells.h"

#include <vector>

namespace vorbix::views {

// The user (file) grid: the data set's used slots with the user's own column set, sorted by one
// column. Cells are made on demand from the record table, which must outlive the view and not
// change until the next build.
class UserView : public GridText
{
public:
    // BuildUserColumns and FillUserGrid: the shown columns of `codes`, the used slots sorted by
    // the code of `sortColumn` (ascending or not), each row's faulty state. Numbers for codes 0,
    // 1, 6 and 7, the shown text's bytes otherwise; equal keys stay in slot order both ways.
    void build(const model::RecordTable& records, const ViewContext& context, const ColumnCodes& codes, int sortColumn,
               bool ascending);

    // `UserViewEmpty`: no record is shown.
    bool isEmpty() const { return m_slots.empty(); }
    const ColumnCodes& codes() const { return m_codes; }
    int sortColumn() const { return m_sortColumn; }
    bool ascending() const { return m_ascending; }
    int codeOf(int column) const { return m_codes.codeAt(column); }
    // Slot number (from 1) of a row, 0 outside the rows.
    int slotOfRow(int row) const;
    // The row of a slot, -1 when it is not shown.
    int rowOfSlot(int slot) const;
    // The row to select after a fill: the remembered slot's new row when it is still shown,
    // otherwise the previous row number, at most the last row; -1 when the view is empty.
    int rowToSelect(int previousRow, int rememberedSlot) const;

    int rowCount() const override { return static_cast<int>(m_slots.size()); }
    int columnCount() const override { return m_codes.count; }
    std::string title(int column) const override;
    std::string cellText(int row, int column) const override;
    bool isFaulty(int row) const override;

private:
    void sortSlots();

    const model::RecordTable* m_records = nullptr;
    ViewContext m_context;
    ColumnCodes m_codes;
    int m_sortColumn = 0;
    bool m_ascending = true;
    std::vector<int> m_slots;
    std::vector<int> m_rowOfSlot; // index = slot, -1 when not shown
    std::vector<bool> m_faulty;
};

// A click on a user-grid title: the sort column again inverts the order, another column becomes
// the sort column in ascending order.
void sortByTitleClick(int column, int& sortColumn, bool& ascending);

} // namespace vorbix::views
