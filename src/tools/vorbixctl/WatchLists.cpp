#include "tools/vorbixctl/WatchLists.h"

#include "core/model/TxCode.h"
#include "core/text/TextFile.h"
#include "tools/vorbixctl/ListOutput.h"

namespace vorbix::ctl {

WatchLists::WatchLists(const std::string& programFolder, const app::Settings& settings,
                       std::function<void(const std::string&)> report)
    : m_settings(settings), m_report(std::move(report)), m_history(text::joinPath(programFolder, "History.dat")),
      m_batt(text::joinPath(programFolder, "LowBatt.dat"))
{
}

bool WatchLists::load()
{
    return tools::checkListLoad(m_history.LoadHistory(), m_history.path()) &&
           tools::checkListLoad(m_batt.LoadLowBatt(), m_batt.path());
}

void WatchLists::openDataSet(model::RecordTable records)
{
    m_records = std::move(records);
    m_dataOpen = true;
}

online::MonitorLevels WatchLists::levels() const
{
    return {m_settings.HistoryMonitorLevel, m_settings.BatteryMonitorLevel};
}

online::DataSetLookup WatchLists::dataSetLookup() const
{
    if (!m_dataOpen) {
        return {};
    }
    // Asked on the session's thread; the records do not change while watching.
    return [this](std::string_view serial) { return model::HoldsSerial(m_records, serial); };
}

void WatchLists::handOver(const online::HandOver& handOver, std::time_t when)
{
    std::tm local{};
    ::localtime_r(&when, &local);
    const lists::ListTime time = lists::ListTime::fromTm(local);
    const std::string code(1, handOver.code);
    std::string error;
    if (handOver.history && !m_history.AddEvent(handOver.txCode, code, handOver.lowBattery, time,
                                                m_settings.HistoryLength, m_records, error)) {
        m_report(error);
    }
    for (int n = handOver.batteryReports; n > 0; --n) {
        const lists::TBatt::Report report =
            m_batt.ReportBattery(handOver.txCode, handOver.lowBattery, time, m_records,
                                 m_settings.BatteryMonitorSortCol, m_settings.BatteryMonitorSortUp);
        if (!report.ignored && !report.saved) {
            m_report(report.error);
        }
    }
}

} // namespace vorbix::ctl
