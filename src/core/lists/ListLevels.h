#pragma once

#include "core/model/TData.h"

#include <string_view>

// Which received events reach the lists: the levels of the settings HistoryMonitorLevel and
// BatteryMonitorLevel (0 off, 1 learned in the receiver, 2 in the open data set, 3 either, 4 all).
namespace vorbix::lists {

// Where the transmitter of a status is known.
struct EventSource
{
    bool inReceiver = false; // the status names a memory slot
    bool inDataSet = false;  // a data set is open and a record has the status's serial
};

// "0000000" names no transmitter: such a status feeds no list.
bool namesTransmitter(std::string_view txCode);

// True when the history takes the event (once at most, also when both places know it).
bool historyTakes(int level, const EventSource& source);

// How many times the battery list is told (0, 1 or, at level 3 with both places, 2; the second
// report changes only the time).
int batteryReports(int level, const EventSource& source);

// True when some record of the table has `serial` in its S field.
bool serialInRecords(const model::RecordTable& records, std::string_view serial);

} // namespace vorbix::lists
