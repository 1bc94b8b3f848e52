#include "core/views/ColumnFit.h"

#include <algorithm>

namespace vorbix::views {

int FitColumnWidth(const ColumnNeed& need, const ColumnRoom& room)
{
    const int least = need.title + room.titleMargins + room.sortMark;
    int width = std::max(need.width, least);
    if (need.widestCell > need.fittedCell) {
        const int cells = std::min(need.widestCell + room.cellMargins, std::max(room.widestFit, least));
        width = std::max(width, cells);
    }
    return width;
}

} // namespace vorbix::views
