#pragma once

#include "tools/rxsim/SimMemory.h"
#include "tools/rxsim/SimModel.h"

#include <string>

namespace vorbix::rxsim {

// Seams to the receiver model code. Until they are wired they report "not supported yet", and
// the model comes from the built-in defaults and the address options.

// Fills `model` from the block named model.name in folder/"Rx.def": the record size (half the
// empty record's length), emptyRecord, relays, eraseBlock, and from the read layout the record
// digits of S01..S05 (serialDigits) and of B01 (buttonDigit).
[[nodiscard]] bool loadModelFromFolder(const std::string& folder, SimModel& model, std::string& error);

// Writes the records of a data file (*.rxd) into the record memory.
[[nodiscard]] bool loadDataFile(const std::string& path, SimMemory& memory, std::string& error);

// Writes the record memory as a data file: model, slot count, the records as hex, then two lines
// per slot (no IDs or user texts: the receiver has none).
[[nodiscard]] bool saveDataFile(const SimMemory& memory, const std::string& path, std::string& error);

} // namespace vorbix::rxsim
