#include "core/online/HandOver.h"

namespace vorbix::online {
namespace {

bool oneOf(int level, int a, int b)
{
    return level == a || level == b;
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
    if (levels.battery == 4) {
        ++result.batteryReports;
    }
    if (levels.history == 4) {
        result.history = true;
    }
    if (block.slot) {
        if (oneOf(levels.battery, 1, 3)) {
            ++result.batteryReports;
        }
        if (oneOf(levels.history, 1, 3)) {
            result.history = true;
        }
    }
    const bool dataSetLevel = oneOf(levels.battery, 2, 3) || oneOf(levels.history, 2, 3);
    if (inDataSet && dataSetLevel && inDataSet(block.serialDigits())) {
        if (oneOf(levels.battery, 2, 3)) {
            ++result.batteryReports;
        }
        if (oneOf(levels.history, 2, 3)) {
            result.history = true;
        }
    }
    return result;
}

} // namespace vorbix::online
