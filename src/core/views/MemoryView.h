#pragma once

#include "core/model/TData.h"
#include "core/views/GridText.h"
#include "core/views/RecordCells.h"

#include <vector>

namespace vorbix::views {

// The memory grid: one row per used slot in slot order. Cells are made on demand from the record
// table, which must outlive the view and not change until the next build.
class MemoryView : public GridText
{
public:
    // BuildMemoryColumns and FillMemoryGrid: the columns of the context's layout and model, the
    // used slots, and each row's faulty state.
    void build(const model::RecordTable& records, const ViewContext& context);

    // `MemoryViewEmpty`: no record is shown.
    bool isEmpty() const { return m_slots.empty(); }
    // Slot number (from 1) of a row, 0 outside the rows.
    int slotOfRow(int row) const;
    // The row of a slot, -1 when it is not shown.
    int rowOfSlot(int slot) const;
    GridLayout layout() const { return m_context.layout(); }
    const std::vector<MemoryColumn>& columns() const { return m_columns; }

    int rowCount() const override { return static_cast<int>(m_slots.size()); }
    int columnCount() const override { return static_cast<int>(m_columns.size()); }
    std::string title(int column) const override;
    std::string cellText(int row, int column) const override;
    bool isFaulty(int row) const override;

private:
    const model::RecordTable* m_records = nullptr;
    ViewContext m_context;
    std::vector<MemoryColumn> m_columns;
    std::vector<int> m_slots;
    std::vector<bool> m_faulty;
};

} // namespace vorbix::views
