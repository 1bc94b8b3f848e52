#pragma once

#include "core/base/LanguageTable.h"

#include <string>

namespace vorbix::receivers {

// The description of receiver model `model` in the language of `lang`: the models shipped in
// "Rx.def" have language texts of their own; any other model, or a language file without the text,
// keeps `described` (its description line in "Rx.def").
std::string ReceiverDescription(const PopisType& lang, const std::string& model, const std::string& described);

} // namespace vorbix::receivers
