#pragma once

#include "tools/rxsim/SimMemory.h"
#include "tools/rxsim/SimModel.h"

#include <string>

namespace vorbix::rxsim {

// The simulator's links to the receiver model code: the model from a program folder's "Rx.def"
// and the records of a data file.

// Fills `model` from the block named model.name in folder/"Rx.def": the record size (half the
// empty record's length), emptyRecord, relays, eraseBlock, and from the read layout the record
// digits of S01..S05 (serialDigits) and of B01 (buttonDigit). The addresses stay as they are.
[[nodiscard]] bool loadModelFromFolder(const std::string& folder, SimModel& model, std::string& error);

// Writes the records of a data file (*.rxd) of the simulated model into the record memory from
// MemStart on, as a receiver of that model opens it: the file must name the model and fit its
// slots; slots the file does not cover are written empty, the rest of the memory stays erased.
// `folder` holds "Rx.def".
[[nodiscard]] bool loadDataFile(const std::string& path, const std::string& folder, SimMemory& memory,
                                std::string& error);

// Writes the record memory as a data file: model, slot count, the records as hex, then two lines
// per slot. No IDs, types or user texts (the receiver has none), except User 1 of the models that
// keep it in the E field, decoded as the program does when `folder` holds the model's "Rx.def".
[[nodiscard]] bool saveDataFile(const SimMemory& memory, const std::string& folder, const std::string& path,
                                std::string& error);

} // namespace vorbix::rxsim
