// The lookup that decides whether on-line mode offers Add for a received transmitter.
#include "core/views/LastTransmitter.h"

#include <gtest/gtest.h>

using namespace vorbix;

TEST(LastTransmitterTest, FindsTheLastShownRowOfSerialAndButton)
{
    // Slots 1 to 5; element 0 of a record table is no slot.
    model::RecordTable records(6);
    records[0].Serial = "12AB4";
    records[0].Button = "8";
    const char* serials[] = {"12AB4", "12AB4", "00001", "12AB4", "12AB4"};
    const char* buttons[] = {"2", "4", "2", "2", "2"};
    for (std::size_t slot = 1; slot < records.size(); ++slot) {
        records[slot].Serial = serials[slot - 1];
        records[slot].Button = buttons[slot - 1];
    }
    // The view shows slots 4, 1, 2, 3 (slot 5 is not shown), as a sorted view would.
    const std::vector<int> slotOfRow = {4, 1, 2, 3};
    const views::ShownRows rows{static_cast<int>(slotOfRow.size()),
                                [&](int row) { return slotOfRow.at(static_cast<std::size_t>(row)); }, &records};

    struct Case
    {
        const char* serial;
        const char* button;
        int row;
    };
    const Case cases[] = {
        {"12AB4", "2", 1},  // slots 4 and 1 hold it: the last row wins; slot 5 is not shown
        {"12AB4", "4", 2},  // the button must match as well
        {"12AB4", "8", -1}, // a button the tables do not hold (element 0 is no slot): Add is offered
        {"00001", "2", 3},  {"99999", "2", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.serial) + "/" + c.button);
        EXPECT_EQ(views::LastRowOfTransmitter(rows, c.serial, c.button), c.row);
    }

    // Rows pointing outside the table are skipped rather than read.
    const views::ShownRows broken{2, [](int row) { return row == 0 ? 0 : 6; }, &records};
    EXPECT_EQ(views::LastRowOfTransmitter(broken, "12AB4", "2"), -1);
}
