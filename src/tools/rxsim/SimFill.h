#pragma once

#include "tools/rxsim/SimMemory.h"

#include <string>

namespace vorbix::rxsim {

// Fills the record memory with `count` transmitters an installer could have taught the receiver:
// distinct serial numbers, one button each, a function of the model's function file with the
// channels and time it needs (so that every record passes the model's checks), and for the models
// that keep a name in the record, a name. Needs the program folder with "Rx.def" and the function
// file; the records are packed from slot 1 and the rest of the memory stays erased.
[[nodiscard]] bool fillRealistic(const std::string& folder, unsigned count, unsigned seed, SimMemory& memory,
                                 std::string& error);

} // namespace vorbix::rxsim
