#pragma once

#include "core/lists/ListLine.h"
#include "core/model/TData.h"

#include <array>
#include <string>

namespace vorbix::lists {

// The entry takes the record's ID while its own is 0 and each user text it has not got, so with
// several matching records the first fills first and a later one only what is still empty. A "#"
// never reaches a list file.
inline void takeMissingUserData(int& id, std::array<std::string, 4>& user, const model::TData& record)
{
    if (id == 0) {
        id = record.ID;
    }
    for (std::size_t u = 0; u < user.size(); ++u) {
        if (user[u].empty()) {
            user[u] = withoutFieldMarks(record.User[u]);
        }
    }
}

// Links a list entry to the records for which `matches` holds. An entry with a matching record shows
// what the matching records give it (takeMissingUserData, from an empty start). An entry without
// one keeps its ID and texts: the list records who pressed which button, and a table that lacks
// the transmitter (none open, a record never uploaded, a smaller table) must not erase that.
template <typename Matches>
void linkToMatchingRecords(int& id, std::array<std::string, 4>& user, const model::RecordTable& records,
                           Matches matches)
{
    bool matched = false;
    for (const model::TData& record : records) {
        if (!matches(record)) {
            continue;
        }
        if (!matched) {
            matched = true;
            id = 0;
            user = {};
        }
        takeMissingUserData(id, user, record);
    }
}

} // namespace vorbix::lists
