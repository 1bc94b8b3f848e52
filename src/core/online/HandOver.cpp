#include "core/online/HandOver.h"

#include "core/lists/ListLevels.h"

namespace vorbix::online {
namespace {

bool asksDataSet(int level)
{
    return level == 2 || level == 3;
}

} // namespace

HandOver DecideHandOver(const StatusBlock& block, MonitorLevels levels, const DataSetLookup& inDataSet)
{
    HandOver result;
    result.txCode = block.txCode;
    result.code = block.code;
    result.lowBattery = block.lowBattery;
    if (!block.hasEvent()) {
        return result;
    }
    // The levels are those the window's lists apply; the data set is asked only when one needs it.
    lists::EventSource source;
    source.inReceiver = block.slot.has_value();
    source.inDataSet =
        inDataSet && (asksDataSet(levels.history) || asksDataSet(levels.battery)) && inDataSet(block.serialDigits());
    result.history = lists::historyTakes(levels.history, source);
    result.batteryReports = lists::batteryReports(levels.battery, source);
    return result;
}

} // namespace vorbix::online
