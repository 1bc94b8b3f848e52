#pragma once

#include "core/model/TData.h"

#include <string>
#include <string_view>

// The seven characters by which the receiver names the last transmitter: a kind character, a
// second prefix character and five hexadecimal serial digits. On-line mode, the lists and the
// monitor all find a transmitter's records through them.
namespace vorbix::model {

// "0000000": the receiver has seen no event yet; such a code names no transmitter.
inline bool NamesTransmitter(std::string_view txCode)
{
    return txCode != "0000000";
}

// Characters 3-7: the serial digits a record's S field is compared with.
inline std::string SerialOfTxCode(std::string_view txCode)
{
    return txCode.size() > 2 ? std::string(txCode.substr(2, 5)) : std::string();
}

// True when some record of the table has `serial` in its S field.
bool HoldsSerial(const RecordTable& records, std::string_view serial);

} // namespace vorbix::model
