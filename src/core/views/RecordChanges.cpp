#include "core/views/RecordChanges.h"

#include <algorithm>
#include <tuple>

namespace vorbix::views {
namespace {

bool sameRecord(const model::TData& a, const model::TData& b)
{
    const auto fields = [](const model::TData& r) {
        return std::tie(r.Position, r.Empty, r.Raw, r.Serial, r.Button, r.Function, r.Channels, r.Times, r.Extra,
                        r.User, r.ID, r.TxType, r.Prefix);
    };
    return fields(a) == fields(b);
}

} // namespace

RecordChange changedRecords(const model::RecordTable& before, const model::RecordTable& after)
{
    RecordChange change;
    const std::size_t count = std::min(before.size(), after.size());
    for (std::size_t slot = 0; slot < count; ++slot) {
        if (!sameRecord(before[slot], after[slot])) {
            change.before.emplace_back(static_cast<int>(slot), before[slot]);
            change.after.emplace_back(static_cast<int>(slot), after[slot]);
        }
    }
    return change;
}

void putRecords(model::RecordTable& table, const std::vector<std::pair<int, model::TData>>& records)
{
    for (const auto& [slot, record] : records) {
        if (slot >= 0 && static_cast<std::size_t>(slot) < table.size()) {
            table[static_cast<std::size_t>(slot)] = record;
        }
    }
}

} // namespace vorbix::views
