#pragma once

#include "core/model/TData.h"

#include <string>

namespace vorbix::test {

// A record as the lists link it: serial digits, button, user number and the first two user texts.
inline model::TData linkedRecord(const std::string& serial, const std::string& button, int id, const std::string& user1,
                                 const std::string& user2 = {})
{
    model::TData r;
    r.Serial = serial;
    r.Button = button;
    r.ID = id;
    r.User = {user1, user2, "", ""};
    return r;
}

} // namespace vorbix::test
