#include "core/views/UndoCleanPoints.h"

#include <gtest/gtest.h>

using vorbix::views::UndoCleanPoints;

TEST(UndoCleanPointsTest, OnlyTheStepsOfTheSavedAndTheReceiversRecordsAreClean)
{
    UndoCleanPoints points;
    EXPECT_FALSE(points.reached(0).file); // nothing known yet

    points.follow(0, false, true);  // a download: the receiver's records, not yet in a file
    points.follow(1, false, false); // an edit
    points.follow(2, true, false);  // another edit, then saved
    EXPECT_TRUE(points.reached(0).memory);
    EXPECT_FALSE(points.reached(0).file);
    EXPECT_TRUE(points.reached(2).file);
    EXPECT_FALSE(points.reached(1).file || points.reached(1).memory);

    // Undone to step 1 and changed again: step 2 of the new history is not the saved one.
    points.beforeNewStep(1);
    EXPECT_FALSE(points.reached(2).file);
    EXPECT_TRUE(points.reached(0).memory);

    points.forget();
    EXPECT_FALSE(points.reached(0).memory);
}
