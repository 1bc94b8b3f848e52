#pragma once

#include "core/lists/ListLine.h"
#include "core/model/TData.h"

#include <array>
#include <string>

namespace vorbix::lists {

// Linking a list entry to a matching record of the table: the entry takes the record's ID while its
// own is 0 and each user text it has not got, so with several matching records the first fills
// first and a later one only what is still empty. A "#" never reaches a list file.
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

} // namespace vorbix::lists
