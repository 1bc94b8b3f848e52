#include "core/base/ReceiverDescription.h"

#include "core/base/TextNumbers.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace vorbix::receivers {
namespace {

struct ModelText
{
    std::string_view model;
    int text;
};

constexpr ModelText kModelTexts[] = {
    {"KV1MOD-T", lang::kReceiverKV1MOD}, {"KVPMOD-T", lang::kReceiverKVPMOD}, {"KV8MOD-T", lang::kReceiverKV8MOD},
    {"KV4MUL-M", lang::kReceiverKV4MUL}, {"KV2MIN-S", lang::kReceiverKV2MIN},
};

} // namespace

std::string ReceiverDescription(const PopisType& lang, const std::string& model, const std::string& described)
{
    const auto* found = std::find_if(std::begin(kModelTexts), std::end(kModelTexts),
                                     [&](const ModelText& entry) { return entry.model == model; });
    if (found == std::end(kModelTexts) || LangText(lang, found->text).empty()) {
        return described;
    }
    return LangText(lang, found->text);
}

} // namespace vorbix::receivers
