// The Check and Set rules of TRxFnc, applied by the record edit dialog.
#include "core/model/ModelText.h"
#include "core/model/TRxFnc.h"

namespace vorbix::model {

namespace {

// The text a selector picks from a record: character nn of field L for each item; items of
// other letters add nothing. False for an item that does not convert or lies outside its field.
bool selectText(const TData& record, const std::string& selector, std::string& text)
{
    text.clear();
    for (std::size_t i = 0; i < selectorItemCount(selector); ++i) {
        SelectorItem item;
        if (!selectorItem(selector, i, item)) {
            return false;
        }
        const std::string* field = fieldOf(record, item.letter);
        if (field == nullptr) {
            continue;
        }
        if (item.position < 1 || static_cast<std::size_t>(item.position) > field->size()) {
            return false;
        }
        text += (*field)[static_cast<std::size_t>(item.position - 1)];
    }
    return true;
}

} // namespace

bool TRxFnc::CheckRecord(const TData& record) const
{
    if (CheckCount == 0) {
        return true;
    }
    bool verdict = true;
    for (int r = 0; r < CheckCount && r < static_cast<int>(Checks.size()); ++r) {
        const TKontrola& rule = Checks[static_cast<std::size_t>(r)];
        std::string key;
        std::string value;
        if (!selectText(record, rule.KeySelector, key) || !selectText(record, rule.ValueSelector, value)) {
            return false;
        }
        bool keyKnown = false;
        for (std::size_t p = 0; p < rule.Keys.size() && p < rule.Values.size(); ++p) {
            if (rule.Keys[p] == key) {
                if (rule.Values[p] == value) {
                    return true;
                }
                keyKnown = true;
            }
        }
        verdict = !keyKnown;
    }
    return verdict;
}

void TRxFnc::ApplySets(TData& record) const
{
    for (int r = 0; r < SetCount && r < static_cast<int>(Sets.size()); ++r) {
        const TKontrola& rule = Sets[static_cast<std::size_t>(r)];
        std::string key;
        if (!selectText(record, rule.KeySelector, key)) {
            return;
        }
        bool matched = false;
        for (std::size_t p = 0; p < rule.Keys.size() && p < rule.Values.size(); ++p) {
            if (rule.Keys[p] != key) {
                continue;
            }
            matched = true;
            const std::string& value = rule.Values[p];
            for (std::size_t i = 0; i < selectorItemCount(rule.ValueSelector); ++i) {
                SelectorItem item;
                if (!selectorItem(rule.ValueSelector, i, item)) {
                    return;
                }
                std::string* field = fieldOf(record, item.letter);
                if (field == nullptr) {
                    continue;
                }
                const auto at = static_cast<std::size_t>(item.position);
                if (at < 1 || at > field->size() || at > value.size()) {
                    return; // keeps what was set so far
                }
                (*field)[at - 1] = value[at - 1];
            }
        }
        if (matched) {
            return;
        }
    }
}

} // namespace vorbix::model
