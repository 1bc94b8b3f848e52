#pragma once

#include "core/online/StatusBlock.h"

#include <functional>
#include <string>
#include <string_view>

namespace vorbix::online {

// HistoryMonitorLevel and BatteryMonitorLevel: which transmitters' events reach the history and
// the low-battery list. 0 none, 1 those in the receiver memory, 2 those in the open data set,
// 3 either, 4 every transmitter.
struct MonitorLevels
{
    int history = 0;
    int battery = 0;
};

// Whether the open data set has a record whose Serial equals the five serial digits. Absent when
// no data set is open.
using DataSetLookup = std::function<bool(std::string_view serialDigits)>;

// Where one event goes. The history gets it at most once. The low-battery list may get it twice
// at level 3, once for the receiver memory and once for the data set; the list takes a repeated
// serial as an update.
struct HandOver
{
    std::string txCode;      // characters 2-8 of the status block
    char code = '0';         // character 1
    bool lowBattery = false; // characters 17-18 are "01"
    bool history = false;    // AddEvent of the history list
    int batteryReports = 0;  // ReportBattery calls of the low-battery list, 0 to 2

    bool any() const { return history || batteryReports > 0; }
};

// The hand-overs of one status read. Nothing before the first event; the data set is asked only
// when a level needs it.
HandOver DecideHandOver(const StatusBlock& block, MonitorLevels levels, const DataSetLookup& inDataSet);

} // namespace vorbix::online
