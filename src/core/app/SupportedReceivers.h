#pragma once

#include "core/base/LanguageTable.h"

#include <string>
#include <vector>

namespace vorbix::app {

// The descriptions of the receiver models in "Rx.def", for the About box, in the language of
// `lang`. The file is read as blocks: a model name line, its description line, then lines up to and
// including "#E". False when the file cannot be read, with "PATH: REASON" in `error`.
[[nodiscard]] bool ReadSupportedReceivers(const std::string& rxDefPath, std::vector<std::string>& descriptions,
                                          std::string& error, const PopisType& lang = NoTexts());

// The same on lines already read.
std::vector<std::string> SupportedReceiversFromLines(const std::vector<std::string>& lines,
                                                     const PopisType& lang = NoTexts());

} // namespace vorbix::app
