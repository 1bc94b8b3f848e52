#pragma once

#include "core/views/GridText.h"

#include <string>
#include <vector>

namespace vorbix::exports {

// Rows of a grid, with the texts it shows, as the clipboard carries them to a spreadsheet: the title row, then the
// given data rows in grid order, cells separated by tabs, each line ended by a line feed. A tab or line break inside a
// cell would start a new cell or row there, so it becomes a space. Rows outside the grid are skipped; with no rows left
// the text is empty.
std::string tabSeparatedRows(const views::GridText& grid, std::vector<int> rows);

} // namespace vorbix::exports
