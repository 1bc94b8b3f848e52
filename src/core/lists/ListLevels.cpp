#include "core/lists/ListLevels.h"

namespace vorbix::lists {

bool namesTransmitter(std::string_view txCode)
{
    return txCode != "0000000";
}

bool historyTakes(int level, const EventSource& source)
{
    switch (level) {
    case 1:
        return source.inReceiver;
    case 2:
        return source.inDataSet;
    case 3:
        return source.inReceiver || source.inDataSet;
    case 4:
        return true;
    default:
        return false;
    }
}

int batteryReports(int level, const EventSource& source)
{
    switch (level) {
    case 1:
        return source.inReceiver ? 1 : 0;
    case 2:
        return source.inDataSet ? 1 : 0;
    case 3:
        return (source.inReceiver ? 1 : 0) + (source.inDataSet ? 1 : 0);
    case 4:
        return 1;
    default:
        return 0;
    }
}

bool serialInRecords(const model::RecordTable& records, std::string_view serial)
{
    for (const model::TData& record : records) {
        if (record.Serial == serial) {
            return true;
        }
    }
    return false;
}

} // namespace vorbix::lists
