#include "core/app/TConnection.h"

namespace vorbix::app {

int FindProfileByTitle(const ConnectionList& profiles, const std::string& connectionText)
{
    int found = -1;
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        if (profiles[i].Title == connectionText) {
            found = static_cast<int>(i);
        }
    }
    return found;
}

} // namespace vorbix::app
