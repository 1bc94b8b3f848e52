#pragma once

#include "core/views/RecordDiff.h"

#include <ostream>

namespace vorbix::tools {

// A record diff for the user: a line per added, removed or changed record (the changed fields
// with their old and new texts), then the counts; with `json` one object per record and a last
// object with the counts.
void printDiff(std::ostream& out, const views::RecordDiff& diff, bool json);

} // namespace vorbix::tools
