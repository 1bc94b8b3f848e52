#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/RxDefinition.h"
#include "core/model/TData.h"
#include "core/model/TDevice.h"

#include <string>
#include <vector>

// The record commands around the edit dialog: the slot for a new record, what an accepted add
// means, and deleting a range of rows.
namespace vorbix::views {

// `MenuAdd`'s slot: the first free slot, cleared, with its Position. False with text 94 when
// every slot is in use.
[[nodiscard]] bool prepareAddSlot(model::TDevice& device, model::RecordTable& records, int& slot, const PopisType& lang,
                                  const ErrorSink& onError);

// `BtnAdd`'s slot: the first free slot (not cleared) with the last received transmitter: serial
// digits and prefix from the shown serial number ("x0" + five digits), the button code.
[[nodiscard]] bool prepareAddLastTx(model::TDevice& device, model::RecordTable& records, int& slot,
                                    const std::string& lastTx, const std::string& lastButton, const PopisType& lang,
                                    const ErrorSink& onError);

// After an accepted add: the slot is used unless its serial digits are "00000". True when used.
bool finishAdd(model::TData& record);

// Clears the slots, bottom row first; `slots` are the selected rows' slot numbers from the top.
// A slot number outside the table ends the deletion there, as a row whose number does not convert.
void deleteSlots(const model::TDevice& device, model::RecordTable& records, const std::vector<int>& slots);

// The New dialog's OK: the selected description, or the typed text found among the
// descriptions, names the model. False (text 99 for the caller) when nothing is chosen.
[[nodiscard]] bool chooseNewModel(const std::vector<model::TRxArray>& models,
                                  const std::vector<std::string>& descriptions, int selectedIndex,
                                  const std::string& typedText, std::string& modelName);

} // namespace vorbix::views
