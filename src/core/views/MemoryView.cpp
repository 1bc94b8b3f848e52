#include "core/views/MemoryView.h"

#include "core/model/TDevice.h"

#include <algorithm>

namespace vorbix::views {

void MemoryView::build(const model::RecordTable& records, const ViewContext& context)
{
    m_records = &records;
    m_context = context;
    m_columns = memoryColumns(context);
    m_slots.clear();
    m_faulty.clear();
    const int recordCount = context.device ? context.device->RecordCount : 0;
    const GridLayout gridLayout = context.layout();
    for (int slot = 1; slot <= recordCount && static_cast<std::size_t>(slot) < records.size(); ++slot) {
        const model::TData& record = records[static_cast<std::size_t>(slot)];
        if (record.Empty) {
            continue;
        }
        m_slots.push_back(slot);
        bool faulty = false;
        for (const MemoryColumn& column : m_columns) {
            if (memoryCellFaulty(column, gridLayout, memoryCellText(record, column, context))) {
                faulty = true;
                break;
            }
        }
        m_faulty.push_back(faulty);
    }
}

int MemoryView::slotOfRow(int row) const
{
    return row >= 0 && row < rowCount() ? m_slots[static_cast<std::size_t>(row)] : 0;
}

int MemoryView::rowOfSlot(int slot) const
{
    const auto found = std::lower_bound(m_slots.begin(), m_slots.end(), slot);
    return found != m_slots.end() && *found == slot ? static_cast<int>(found - m_slots.begin()) : -1;
}

std::string MemoryView::title(int column) const
{
    if (column < 0 || column >= columnCount()) {
        return {};
    }
    return memoryColumnTitle(m_columns[static_cast<std::size_t>(column)], m_context);
}

std::string MemoryView::cellText(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return {};
    }
    return memoryCellText((*m_records)[static_cast<std::size_t>(m_slots[static_cast<std::size_t>(row)])],
                          m_columns[static_cast<std::size_t>(column)], m_context);
}

bool MemoryView::isFaulty(int row) const
{
    return row >= 0 && row < rowCount() && m_faulty[static_cast<std::size_t>(row)];
}

} // namespace vorbix::views
