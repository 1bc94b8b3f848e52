#pragma once

#include "core/model/TDevice.h"
#include "core/model/TTx.h"

#include <string_view>
#include <vector>

namespace vorbix::model {

// Whether a record of `device`'s model keeps the serial text `text` as the record dialog shows it
// after its normalisation: two prefix characters, then the serial digits in upper case. The
// receiver keeps only the serial digits, so they must be as many as the model's S field holds and
// come back unchanged from encoding and decoding a record of the model. The prefix stays with the
// data set; it must be one the program gives a transmitter: "x0" (type not known), the prefix of
// one of `types`, or two hexadecimal digits as a receiver reports a transmitter's code. Any other
// "x" prefix would be a sixth serial digit that no receiver keeps ("x1A2B3C" would come back as
// "x0A2B3C"). `device` needs its layouts (from "Rx.def"); without them nothing is storable.
[[nodiscard]] bool CanStoreSerial(const TDevice& device, const std::vector<TTx>& types, std::string_view text);

} // namespace vorbix::model
