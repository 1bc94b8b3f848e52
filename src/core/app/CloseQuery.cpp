#include "core/app/CloseQuery.h"

namespace vorbix::app {
namespace {

// True when this question lets the close go on.
bool askAndSave(const std::string& question, const CloseQueryPorts& ports, const std::function<bool()>& save)
{
    switch (ports.ask(question)) {
    case Answer::Cancel:
        return false;
    case Answer::No:
        return true;
    case Answer::Yes:
        return save && save();
    }
    return false;
}

} // namespace

bool CloseQuery(const ShellState& state, const MonitorMarks& monitor, const PopisType& lang,
                const CloseQueryPorts& ports)
{
    bool mayClose = true;
    if (state.DataOpen && !state.DataSaved) {
        mayClose = askAndSave(LangText(lang, 84), ports, ports.saveDataSet) && mayClose;
    }
    if (monitor.SetupPresent && !monitor.SetupSaved) {
        mayClose =
            askAndSave(LangText(lang, 84) + " - " + LangText(lang, 231), ports, ports.saveMonitorSetup) && mayClose;
    }
    return mayClose;
}

} // namespace vorbix::app
