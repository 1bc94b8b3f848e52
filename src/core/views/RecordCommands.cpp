#include "core/views/RecordCommands.h"

#include "core/model/MemoryImage.h"

#include <algorithm>

namespace vorbix::views {

bool prepareAddSlot(model::TDevice& device, model::RecordTable& records, int& slot, const PopisType& lang,
                    const ErrorSink& onError)
{
    if (!model::TakeFirstFreeSlot(device, records, slot, lang, onError)) {
        return false;
    }
    model::TData& record = records[static_cast<std::size_t>(slot)];
    model::ClearRecord(device, record);
    record.Position = slot;
    return true;
}

bool prepareAddLastTx(model::TDevice& device, model::RecordTable& records, int& slot, const std::string& lastTx,
                      const std::string& lastButton, const PopisType& lang, const ErrorSink& onError)
{
    if (!model::TakeFirstFreeSlot(device, records, slot, lang, onError)) {
        return false;
    }
    model::TData& record = records[static_cast<std::size_t>(slot)];
    record.Position = slot;
    record.Serial = lastTx.size() > 2 ? lastTx.substr(2, 5) : std::string();
    record.Prefix = lastTx.substr(0, 2);
    record.Button = lastButton;
    return true;
}

bool finishAdd(model::TData& record)
{
    record.Empty = record.Serial == "00000";
    return !record.Empty;
}

void deleteSlots(const model::TDevice& device, model::RecordTable& records, const std::vector<int>& slots)
{
    for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
        if (*it < 1 || static_cast<std::size_t>(*it) >= records.size()) {
            return;
        }
        model::ClearRecord(device, records[static_cast<std::size_t>(*it)]);
    }
}

bool chooseNewModel(const std::vector<model::TRxArray>& models, const std::vector<std::string>& descriptions,
                    int selectedIndex, const std::string& typedText, std::string& modelName)
{
    int index = selectedIndex;
    if (index < 0 || static_cast<std::size_t>(index) >= descriptions.size()) {
        const auto found = std::find(descriptions.begin(), descriptions.end(), typedText);
        index = found == descriptions.end() ? -1 : static_cast<int>(found - descriptions.begin());
    }
    if (index < 0) {
        return false;
    }
    for (const model::TRxArray& entry : models) {
        if (entry.ItemIndex == index) {
            modelName = entry.Name;
            return true;
        }
    }
    return false;
}

} // namespace vorbix::views
