#include "core/export/SheetTable.h"

namespace vorbix::exports {

CellKind SheetTable::kindOf(int column) const
{
    return column >= 0 && column < static_cast<int>(kinds.size()) ? kinds[static_cast<std::size_t>(column)]
                                                                  : CellKind::Text;
}

ColumnWidthRule SheetTable::widthRuleOf(int column) const
{
    return column >= 0 && column < static_cast<int>(widthRules.size()) ? widthRules[static_cast<std::size_t>(column)]
                                                                       : ColumnWidthRule{};
}

int SheetTable::gridWidthOf(int column) const
{
    return column >= 0 && column < static_cast<int>(gridWidths.size()) ? gridWidths[static_cast<std::size_t>(column)]
                                                                       : 0;
}

} // namespace vorbix::exports
