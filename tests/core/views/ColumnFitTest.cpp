#include "core/views/ColumnFit.h"

#include <gtest/gtest.h>

using vorbix::views::ColumnNeed;
using vorbix::views::ColumnRoom;
using vorbix::views::FitColumnWidth;

TEST(ColumnFitTest, TitlesShowWholeWithTheSortArrowAndCellsUpToALimit)
{
    // Title margins 12, arrow 14, cell margins 8, cells fitted up to 200.
    const ColumnRoom sorted{12, 14, 8, 200};
    const ColumnRoom unsorted{12, 0, 8, 200};
    struct Case
    {
        const char* what;
        ColumnNeed need;
        ColumnRoom room;
        int width;
    };
    const Case cases[] = {
        {"wide enough already", {120, 50, 80, 80}, sorted, 120},
        {"the arrow would cut the title (\"Batt...\")", {64, 50, 0, 0}, sorted, 76},
        {"without an arrow the title alone counts", {64, 50, 0, 0}, unsorted, 64},
        {"a width kept from a shorter title in another language", {70, 90, 0, 0}, sorted, 116},
        {"a state text wider than the column (\"A=0,B...\")", {64, 30, 100, 0}, sorted, 108},
        {"a translated state text wider than the one fitted before", {108, 30, 130, 100}, sorted, 138},
        {"the user narrowed it below cells it was fitted to", {70, 30, 100, 100}, sorted, 70},
        {"the user narrowed it, still never below the title", {20, 30, 100, 100}, sorted, 56},
        {"a long free text grows it only up to the limit", {64, 30, 900, 0}, sorted, 200},
        {"a title wider than the limit still shows whole", {64, 250, 900, 0}, sorted, 276},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitColumnWidth(c.need, c.room), c.width) << c.what;
    }
}
