#pragma once

#include <algorithm>
#include <numeric>
#include <vector>

namespace vorbix::lists {

// Reorders `records` by `less` into the order a bubble sort of neighbours gives: ascending moves an
// entry down while it is greater than the next, descending while it is smaller; equal keys never
// change places. That is a stable sort (descending = stable by the reversed comparison), done in
// O(n log n) so that a list of 99999 entries sorts in milliseconds. Returns the new index of the
// entry at `followed` (-1 stays -1), so the selection can follow its entry.
template <typename Rec, typename Less>
int stableSortFollowing(std::vector<Rec>& records, bool ascending, Less less, int followed)
{
    std::vector<std::size_t> order(records.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (ascending) {
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return less(records[a], records[b]); });
    } else {
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return less(records[b], records[a]); });
    }
    std::vector<Rec> sorted;
    sorted.reserve(records.size());
    int newIndex = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (static_cast<int>(order[i]) == followed) {
            newIndex = static_cast<int>(i);
        }
        sorted.push_back(std::move(records[order[i]]));
    }
    records = std::move(sorted);
    return newIndex;
}

} // namespace vorbix::lists
