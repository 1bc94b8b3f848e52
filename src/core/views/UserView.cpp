#include "core/views/UserView.h"

#include "core/model/TDevice.h"

#include <algorithm>

namespace vorbix::views {

void UserView::build(const model::RecordTable& records, const ViewContext& context, const ColumnCodes& codes,
                     int sortColumn, bool ascending)
{
    m_records = &records;
    m_context = context;
    m_codes = codes;
    m_sortColumn = sortColumn;
    m_ascending = ascending;
    m_slots.clear();
    const int recordCount = context.device ? context.device->RecordCount : 0;
    for (int slot = 1; slot <= recordCount && static_cast<std::size_t>(slot) < records.size(); ++slot) {
        if (!records[static_cast<std::size_t>(slot)].Empty) {
            m_slots.push_back(slot);
        }
    }
    sortSlots();

    m_rowOfSlot.assign(records.size(), -1);
    m_faulty.assign(m_slots.size(), false);
    for (std::size_t row = 0; row < m_slots.size(); ++row) {
        const int slot = m_slots[row];
        m_rowOfSlot[static_cast<std::size_t>(slot)] = static_cast<int>(row);
        const model::TData& record = records[static_cast<std::size_t>(slot)];
        for (int column = 0; column < m_codes.count; ++column) {
            const int columnCode = m_codes.codeAt(column);
            if (userCellFaulty(columnCode, userCellText(record, columnCode, context))) {
                m_faulty[row] = true;
                break;
            }
        }
    }
}

void UserView::sortSlots()
{
    // One key per record, then a stable sort: the same order as a selection pass per distinct
    // key that outputs the slots of the best key in slot order.
    const int sortCode = m_codes.codeAt(m_sortColumn);
    const std::size_t n = m_slots.size();
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i) {
        order[i] = i;
    }
    const model::RecordTable& records = *m_records;
    if (sortsAsNumber(sortCode)) {
        std::vector<long long> keys(n);
        for (std::size_t i = 0; i < n; ++i) {
            keys[i] = numericSortKey(records[static_cast<std::size_t>(m_slots[i])], sortCode);
        }
        if (m_ascending) {
            std::stable_sort(order.begin(), order.end(),
                             [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
        } else {
            std::stable_sort(order.begin(), order.end(),
                             [&](std::size_t a, std::size_t b) { return keys[b] < keys[a]; });
        }
    } else {
        std::vector<std::string> keys(n);
        for (std::size_t i = 0; i < n; ++i) {
            keys[i] = userCellText(records[static_cast<std::size_t>(m_slots[i])], sortCode, m_context);
        }
        // std::string compares its bytes as unsigned characters, the code page's own order.
        if (m_ascending) {
            std::stable_sort(order.begin(), order.end(),
                             [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
        } else {
            std::stable_sort(order.begin(), order.end(),
                             [&](std::size_t a, std::size_t b) { return keys[b] < keys[a]; });
        }
    }
    std::vector<int> sorted(n);
    for (std::size_t i = 0; i < n; ++i) {
        sorted[i] = m_slots[order[i]];
    }
    m_slots.swap(sorted);
}

int UserView::slotOfRow(int row) const
{
    return row >= 0 && row < rowCount() ? m_slots[static_cast<std::size_t>(row)] : 0;
}

int UserView::rowOfSlot(int slot) const
{
    return slot >= 0 && static_cast<std::size_t>(slot) < m_rowOfSlot.size()
               ? m_rowOfSlot[static_cast<std::size_t>(slot)]
               : -1;
}

int UserView::rowToSelect(int previousRow, int rememberedSlot) const
{
    if (isEmpty()) {
        return -1;
    }
    const int row = rowOfSlot(rememberedSlot);
    if (row >= 0) {
        return row;
    }
    return std::clamp(previousRow, 0, rowCount() - 1);
}

std::string UserView::title(int column) const
{
    return column >= 0 && column < columnCount() ? userColumnTitle(m_codes.codeAt(column), m_context) : std::string();
}

std::string UserView::cellText(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return {};
    }
    return userCellText((*m_records)[static_cast<std::size_t>(m_slots[static_cast<std::size_t>(row)])],
                        m_codes.codeAt(column), m_context);
}

bool UserView::isFaulty(int row) const
{
    return row >= 0 && row < rowCount() && m_faulty[static_cast<std::size_t>(row)];
}

void sortByTitleClick(int column, int& sortColumn, bool& ascending)
{
    if (column == sortColumn) {
        ascending = !ascending;
    } else {
        sortColumn = column;
        ascending = true;
    }
}

} // namespace vorbix::views
