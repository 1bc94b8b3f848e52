#include "core/model/TxCode.h"

#include <algorithm>

namespace vorbix::model {

bool HoldsSerial(const RecordTable& records, std::string_view serial)
{
    return std::any_of(records.begin(), records.end(), [&](const TData& record) { return record.Serial == serial; });
}

} // namespace vorbix::model
