#include "core/text/Cp1250.h"

#include <gtest/gtest.h>
#include <iconv.h>

using namespace vorbix;

TEST(Cp1250Test, CzechLettersRoundTrip)
{
    const std::string utf8 = "Příliš žluťoučký kůň úpěl ďábelské ódy ŘŠČŽÝÁÍÉŮÚĚŤĎŇ";
    const std::string cp = cp1250::fromUtf8(utf8);
    EXPECT_EQ(cp.size(), 53u);                          // one byte per letter
    EXPECT_EQ(static_cast<unsigned char>(cp[1]), 0xF8); // ř
    EXPECT_EQ(cp1250::toUtf8(cp), utf8);
}

TEST(Cp1250Test, EveryByteRoundTripsAndAgreesWithIconv)
{
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string utf8 = cp1250::toUtf8(one);
        EXPECT_EQ(cp1250::fromUtf8(utf8), one) << "byte " << b;

        char in[1] = {static_cast<char>(b)};
        char out[8] = {};
        char* inp = in;
        char* outp = out;
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inp, &inLeft, &outp, &outLeft) != static_cast<std::size_t>(-1)) {
            EXPECT_EQ(std::string(out, sizeof out - outLeft), utf8) << "byte " << b;
        }
    }
    iconv_close(cd);
}

TEST(Cp1250Test, UnmappableAndMalformedBecomeQuestionMarks)
{
    struct Case
    {
        const char* utf8;
        const char* cp;
    } cases[] = {
        {"日本", "??"},  // not in the code page
        {"a\xC3", "a?"}, // truncated sequence
        {"\xFF"
         "b",
         "?b"},                // invalid lead byte
        {"x\xE2\x82y", "x?y"}, // sequence broken by an ASCII byte, which survives
        {"€ß", "\x80\xDF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1250::fromUtf8(c.utf8), c.cp) << c.utf8;
    }
}
