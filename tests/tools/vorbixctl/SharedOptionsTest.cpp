#include "tools/vorbixctl/SharedOptions.h"

#include <gtest/gtest.h>

using namespace vorbix::ctl;

TEST(SharedOptionsTest, TakesTheOptionsACommandNamesAndLeavesTheRestInOrder)
{
    SharedOptions options;
    std::string error;
    ASSERT_TRUE(takeSharedOptions({"a.mon", "--count", "3", "--json", "--data", "x", "--seconds", "999999999"},
                                  kJsonOption | kCountOption | kSecondsOption, options, error))
        << error;
    EXPECT_TRUE(options.json);
    EXPECT_EQ(options.count, 3);
    EXPECT_EQ(options.seconds, 999'999'999);
    EXPECT_EQ(options.rest, (std::vector<std::string>{"a.mon", "--data", "x"}));

    // An option the command does not take is its own business.
    ASSERT_TRUE(takeSharedOptions({"--count", "3"}, kJsonOption, options, error));
    EXPECT_FALSE(options.count);
    EXPECT_EQ(options.rest, (std::vector<std::string>{"--count", "3"}));

    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--count"},
                                                {"--count", "0"},
                                                {"--seconds", "1000000000"},
                                                {"--count", "2x"},
                                                {"--seconds", "-5"}}) {
        EXPECT_FALSE(takeSharedOptions(bad, kCountOption | kSecondsOption, options, error)) << bad.back();
        EXPECT_NE(error.find("whole number"), std::string::npos) << error;
    }
}
