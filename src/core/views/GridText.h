#pragma once

#include <string>

namespace vorbix::views {

// A grid as texts: the view models, the find search and the command-line listing read the record
// grids (and later the list grids) through this. Rows are the data rows from 0; the title row is
// apart.
class GridText
{
public:
    virtual ~GridText() = default;

    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual std::string title(int column) const = 0;
    virtual std::string cellText(int row, int column) const = 0;
    // The row is drawn in red: its record is not what the receiver can use.
    virtual bool isFaulty(int row) const = 0;
};

} // namespace vorbix::views
