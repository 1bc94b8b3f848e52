#include "core/link/Checksum.h"

#include <gtest/gtest.h>

using namespace vorbix::link;

TEST(ChecksumTest, KnownRecords)
{
    struct Case
    {
        const char* record;
        const char* checksum;
    } cases[] = {
        {":0300000401"
         "0F00",
         "E9"},
        {":00000001", "FF"}, // the Intel HEX end-of-file record
        {":", "00"},
        {":0600000B050100001000", "D9"},
        {":0600000B0203000F1000", "CB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Checksum(c.record), c.checksum) << c.record;
    }
}

TEST(ChecksumTest, HexHelpers)
{
    EXPECT_EQ(HexByte(0x0A), "0A");
    EXPECT_EQ(HexWord(0x0F00), "0F00");
    unsigned v = 0;
    EXPECT_TRUE(ParseHex("ffFF", v));
    EXPECT_EQ(v, 0xFFFFu);
    EXPECT_FALSE(ParseHex("", v));
    EXPECT_FALSE(ParseHex("1G", v));
}
