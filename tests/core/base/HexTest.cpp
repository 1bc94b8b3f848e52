#include "core/base/Hex.h"

#include <gtest/gtest.h>

TEST(HexTest, ReadsDigitsOfEitherCaseWithinTheirLimit)
{
    const struct
    {
        const char* text;
        std::size_t maxDigits;
        bool ok;
        std::uint64_t value;
    } cases[] = {
        {"", 8, true, 0},           {"0F00", 8, true, 0x0F00},
        {"ffff", 4, true, 0xFFFF},  {"FFFFFFFFFFFFFFFF", 16, true, 0xFFFFFFFFFFFFFFFFu},
        {"123456789", 8, false, 7}, {"12G4", 8, false, 7},
        {" 12", 8, false, 7},       {"-1", 8, false, 7},
    };
    for (const auto& c : cases) {
        std::uint64_t value = 7;
        EXPECT_EQ(vorbix::hex::Parse(c.text, value, c.maxDigits), c.ok) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    EXPECT_EQ(vorbix::hex::DigitValue('a'), 10);
    EXPECT_EQ(vorbix::hex::DigitValue('G'), -1);
}
