#pragma once

#include "core/app/Settings.h"
#include "core/lists/TBatt.h"
#include "core/lists/THistory.h"
#include "core/model/TData.h"
#include "core/online/HandOver.h"

#include <ctime>
#include <functional>
#include <string>

namespace vorbix::ctl {

// The folder's history and low-battery lists as `watch` keeps them: the events the session hands
// over reach "History.dat" and "LowBatt.dat" with the folder's settings, as they would in the
// window. The records of an open data set decide levels 2 and 3 and lend the entries their user
// number and texts.
class WatchLists
{
public:
    WatchLists(const std::string& programFolder, const app::Settings& settings,
               std::function<void(const std::string&)> report);

    // Reads both files; false (the reason reported) when one is there and cannot be read.
    [[nodiscard]] bool load();
    // The records of the data set opened with --data.
    void openDataSet(model::RecordTable records);

    online::MonitorLevels levels() const;
    // Empty while no data set is open, so levels 2 and 3 see no transmitter there.
    online::DataSetLookup dataSetLookup() const;

    // One event as the session decided it; `when` is the local time it was read.
    void handOver(const online::HandOver& handOver, std::time_t when);

private:
    const app::Settings& m_settings;
    std::function<void(const std::string&)> m_report;
    lists::THistory m_history;
    lists::TBatt m_batt;
    model::RecordTable m_records;
    bool m_dataOpen = false;
};

} // namespace vorbix::ctl
