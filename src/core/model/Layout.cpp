#include "core/model/Layout.h"

#include "core/model/ModelText.h"
#include "core/model/TData.h"

#include <algorithm>

namespace vorbix::model {

int fieldIndex(char letter)
{
    for (std::size_t i = 0; i < FieldLetters.size(); ++i) {
        if (FieldLetters[i] == letter) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool fieldLengths(std::string_view readLayout, FieldLengths& lengths)
{
    lengths.fill(0);
    for (std::size_t i = 0; i < selectorItemCount(readLayout); ++i) {
        SelectorItem item;
        if (!selectorItem(readLayout, i, item)) {
            return false;
        }
        const int field = fieldIndex(item.letter);
        if (field >= 0) {
            lengths[static_cast<std::size_t>(field)] =
                std::max(lengths[static_cast<std::size_t>(field)], item.position);
        }
    }
    return true;
}

bool layoutsConsistent(std::string_view readLayout, std::string_view writeLayout, int recordLength)
{
    const auto items = static_cast<std::size_t>(recordLength);
    if (readLayout.size() != 3 * items || writeLayout.size() != 3 * items) {
        return false;
    }
    FieldLengths lengths;
    if (!fieldLengths(readLayout, lengths)) {
        return false;
    }
    // A read item of a field at position 00 would drop its digit on decoding.
    for (std::size_t i = 0; i < items; ++i) {
        SelectorItem item;
        if (selectorItem(readLayout, i, item) && fieldIndex(item.letter) >= 0 && item.position < 1) {
            return false;
        }
    }
    for (std::size_t i = 0; i < items; ++i) {
        SelectorItem item;
        if (!selectorItem(writeLayout, i, item)) {
            return false;
        }
        const int field = fieldIndex(item.letter);
        if (field < 0 || item.position < 1 || item.position > lengths[static_cast<std::size_t>(field)]) {
            return false;
        }
    }
    return true;
}

} // namespace vorbix::model
