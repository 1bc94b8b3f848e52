#include "core/views/RecordDiff.h"

#include "core/model/TDevice.h"

#include <deque>
#include <unordered_map>

namespace vorbix::views {

namespace {

std::string keyOf(const model::TData& record)
{
    return record.Serial + '/' + record.Button;
}

// The file view's columns that say what a record does and whom it belongs to.
std::vector<int> comparedCodes(const ViewContext& context, DiffFields fields)
{
    std::vector<int> codes;
    if (fields == DiffFields::All) {
        codes.push_back(code::Serial);
        codes.push_back(code::TxType);
    }
    if (context.layout() == GridLayout::Single) {
        codes.insert(codes.end(), {code::Function, code::Channels, code::Time});
    } else {
        const int relays = std::min(context.relays(), kMaxRelayColumns);
        for (int relay = 1; relay <= relays; ++relay) {
            codes.push_back(code::RelayFunctionBase + relay);
            codes.push_back(code::RelayTimeBase + relay);
        }
    }
    if (fields == DiffFields::All) {
        codes.insert(codes.end(), {code::ID, code::User1, code::User1 + 1, code::User1 + 2, code::User1 + 3});
    } else if (context.device && model::keepsUserTextInExtra(context.device->Model)) {
        codes.push_back(code::User1);
    }
    return codes;
}

std::string fieldText(const model::TData& record, int columnCode, const ViewContext& context, DiffFields fields)
{
    if (fields == DiffFields::Receiver && columnCode == code::User1 && context.device) {
        return model::userTextKept(context.device->Model, record.User[0], record.Extra.size());
    }
    return userCellText(record, columnCode, context);
}

bool used(const model::TData& record)
{
    return !record.Empty;
}

} // namespace

RecordDiff diffRecords(const model::RecordTable& before, const model::RecordTable& after, const ViewContext& context,
                       DiffFields fields)
{
    RecordDiff diff;
    std::unordered_map<std::string, std::deque<int>> slotsAfter;
    for (std::size_t slot = 1; slot < after.size(); ++slot) {
        if (used(after[slot])) {
            slotsAfter[keyOf(after[slot])].push_back(static_cast<int>(slot));
        }
    }
    const std::vector<int> codes = comparedCodes(context, fields);
    std::vector<bool> matched(after.size(), false);
    for (std::size_t slot = 1; slot < before.size(); ++slot) {
        const model::TData& old = before[slot];
        if (!used(old)) {
            continue;
        }
        RecordDifference difference;
        difference.serial = serialText(old);
        difference.button = old.Button;
        difference.slotBefore = static_cast<int>(slot);
        const auto found = slotsAfter.find(keyOf(old));
        if (found == slotsAfter.end() || found->second.empty()) {
            difference.kind = RecordDifference::Kind::Removed;
            diff.differences.push_back(std::move(difference));
            ++diff.removed;
            continue;
        }
        const int newSlot = found->second.front();
        found->second.pop_front();
        matched[static_cast<std::size_t>(newSlot)] = true;
        const model::TData& now = after[static_cast<std::size_t>(newSlot)];
        for (const int columnCode : codes) {
            std::string was = fieldText(old, columnCode, context, fields);
            std::string is = fieldText(now, columnCode, context, fields);
            if (was != is) {
                difference.fields.push_back({userColumnTitle(columnCode, context), std::move(was), std::move(is)});
            }
        }
        if (!difference.fields.empty()) {
            difference.kind = RecordDifference::Kind::Changed;
            difference.slotAfter = newSlot;
            diff.differences.push_back(std::move(difference));
            ++diff.changed;
        }
    }
    for (std::size_t slot = 1; slot < after.size(); ++slot) {
        if (used(after[slot]) && !matched[slot]) {
            RecordDifference difference;
            difference.kind = RecordDifference::Kind::Added;
            difference.serial = serialText(after[slot]);
            difference.button = after[slot].Button;
            difference.slotAfter = static_cast<int>(slot);
            diff.differences.push_back(std::move(difference));
            ++diff.added;
        }
    }
    return diff;
}

} // namespace vorbix::views
