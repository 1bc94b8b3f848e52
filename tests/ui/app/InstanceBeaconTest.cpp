#include "ui/app/InstanceBeacon.h"
#include "support/EventWait.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace vorbix;

namespace {

TEST(InstanceBeaconTest, ASecondStartCallsTheRunningCopy)
{
    test::TempFolder folder;
    const QString name = ui::beaconName(folder.file("vorbix-demo.lock"));
    EXPECT_FALSE(ui::InstanceBeacon::call(name)); // nobody listens yet

    int calls = 0;
    ui::InstanceBeacon running;
    ASSERT_TRUE(running.listen(name, [&calls] { ++calls; }));
    EXPECT_TRUE(ui::InstanceBeacon::call(name));
    EXPECT_TRUE(test::waitUntil([&calls] { return calls == 1; }));

    // A copy that takes the lock over after a crash finds the old name and listens all the same.
    ui::InstanceBeacon next;
    EXPECT_TRUE(next.listen(name, [] {}));
}

} // namespace
