#include "core/export/TabText.h"
#include "FakeGrid.h"

#include <gtest/gtest.h>

using namespace vorbix;

namespace {

TEST(TabTextTest, SelectedRowsWithTheirTitlesInGridOrder)
{
    const test::FakeGrid grid(
        {"No.", "Serial number", "User 1"},
        {{"1", "x000012", "Gate"}, {"2", "x000500", "Front\tdoor"}, {"3", "A1ABCDE", "Line\r\nbreak"}});

    struct Case
    {
        std::vector<int> rows;
        std::string text;
    };
    const Case cases[] = {
        {{0}, "No.\tSerial number\tUser 1\n1\tx000012\tGate\n"},
        // Selection order, repeats and rows that are gone do not matter.
        {{2, 0, 2, 7, -1}, "No.\tSerial number\tUser 1\n1\tx000012\tGate\n3\tA1ABCDE\tLine  break\n"},
        // A tab inside a cell must not open a new cell.
        {{1}, "No.\tSerial number\tUser 1\n2\tx000500\tFront door\n"},
        {{}, ""},
        {{5}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(exports::tabSeparatedRows(grid, c.rows), c.text);
    }
}

} // namespace
