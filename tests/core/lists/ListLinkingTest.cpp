#include "ListRecordFixture.h"
#include "core/lists/TBatt.h"
#include "core/lists/THistory.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace vorbix;
using namespace vorbix::lists;

namespace {

using UserTexts = std::array<std::string, 4>;

struct Linked
{
    int id;
    UserTexts user;
};

// Both lists hold one entry of transmitter 12AB4, button 1, recorded as ID 7 "Alice" "Gate". Each
// case links them to a table and says what each list then shows; both files keep what the lists
// show.
TEST(ListLinkingTest, AnEntryWithoutAMatchingRecordKeepsItsTexts)
{
    const Linked recorded{7, {"Alice", "Gate", "", ""}};
    struct Case
    {
        const char* what;
        model::RecordTable records;
        Linked history;
        Linked battery;
    };
    const Case cases[] = {
        {"a matching record gives its ID and texts",
         {test::linkedRecord("11111", "1", 1, "A"), test::linkedRecord("12AB4", "3", 17, "Room 4")},
         {17, {"Room 4", "", "", ""}},
         {17, {"Room 4", "", "", ""}}},
        {"a later matching record fills what is still empty",
         {test::linkedRecord("12AB4", "1", 0, ""), test::linkedRecord("12AB4", "1", 18, "Hall", "Door")},
         {18, {"Hall", "Door", "", ""}},
         {18, {"Hall", "Door", "", ""}}},
        {"no record of the serial", {test::linkedRecord("12AB5", "1", 3, "Other")}, recorded, recorded},
        {"no table open", {}, recorded, recorded},
        {"a table with fewer records, without the transmitter's",
         {test::linkedRecord("11111", "1", 1, "A"), test::linkedRecord("22222", "1", 2, "B")},
         recorded,
         recorded},
        // Only the history compares the button.
        {"the serial with another button",
         {test::linkedRecord("12AB4", "4", 9, "Other button")},
         recorded,
         {9, {"Other button", "", "", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder folder;
        THistory history(folder.file("History.dat"));
        THistoryRec event;
        event.TxCode = "X212AB4";
        event.Code = "1";
        event.ID = recorded.id;
        event.User = recorded.user;
        history.Records = {event};
        TBatt batt(folder.file("LowBatt.dat"));
        TLowBatt low;
        low.TxCode = "X212AB4";
        low.ID = recorded.id;
        low.User = recorded.user;
        batt.Records = {low};

        std::string error;
        ASSERT_TRUE(history.LinkUserData(c.records, error)) << error;
        ASSERT_TRUE(batt.LinkLowBattUserData(c.records, error)) << error;
        EXPECT_EQ(history.Records.at(0).ID, c.history.id);
        EXPECT_EQ(history.Records.at(0).User, c.history.user);
        EXPECT_EQ(batt.Records.at(0).ID, c.battery.id);
        EXPECT_EQ(batt.Records.at(0).User, c.battery.user);

        const std::vector<THistoryRec> shownHistory = history.Records;
        const std::vector<TLowBatt> shownBattery = batt.Records;
        history.LoadHistory();
        batt.LoadLowBatt();
        EXPECT_EQ(history.Records, shownHistory);
        EXPECT_EQ(batt.Records, shownBattery);
    }
}

} // namespace
