#include "core/views/LastTransmitter.h"

namespace vorbix::views {

int LastRowOfTransmitter(const ShownRows& rows, const std::string& serial, const std::string& button)
{
    if (!rows.records || !rows.slotOfRow) {
        return -1;
    }
    for (int row = rows.rowCount - 1; row >= 0; --row) {
        const int slot = rows.slotOfRow(row);
        if (slot < 1 || slot >= static_cast<int>(rows.records->size())) {
            continue;
        }
        const model::TData& record = (*rows.records)[static_cast<std::size_t>(slot)];
        if (record.Serial == serial && record.Button == button) {
            return row;
        }
    }
    return -1;
}

} // namespace vorbix::views
