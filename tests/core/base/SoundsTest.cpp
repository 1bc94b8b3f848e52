// The program's sounds: the speaker's tone patterns, the synthesised samples and the shipped files.
#include "core/base/Sounds.h"

#include "core/text/TextFile.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>

using namespace vorbix::sound;

namespace {

int totalMilliseconds(const std::vector<Tone>& pattern)
{
    int total = 0;
    for (const Tone& tone : pattern) {
        total += tone.milliseconds;
    }
    return total;
}

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    }
    return value;
}

} // namespace

TEST(SoundsTest, PatternsAndFilesByCode)
{
    struct Case
    {
        int code;
        const char* file;
        int tones;
        int milliseconds;
    };
    const Case cases[] = {
        {0, "", 0, 0},
        {1, "SBeep.wav", 1, 100},
        {2, "LBeep.wav", 1, 600},
        {3, "TriBeep.wav", 6, 1800},
        {4, "Alarm.wav", 18, 1080},
        {5, "Permanent.wav", 3, 180},
        {6, "", 0, 0},
        {7, "", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(SoundFileName(c.code), c.file);
        const std::vector<Tone> pattern = SpeakerPattern(c.code);
        EXPECT_EQ(pattern.size(), static_cast<std::size_t>(c.tones));
        EXPECT_EQ(totalMilliseconds(pattern), c.milliseconds);
        EXPECT_EQ(SoundRepeats(c.code), c.code == 5);
    }
    // The triple beep pauses with a tone above hearing; it is synthesised as silence.
    const std::vector<std::int16_t> tri = SynthesiseTones(SpeakerPattern(3), 8000);
    ASSERT_EQ(tri.size(), 8000u * 1800 / 1000);
    const auto pause = tri.begin() + 8000 * 300 / 1000;
    EXPECT_TRUE(std::all_of(pause, pause + 8000 * 300 / 1000, [](std::int16_t s) { return s == 0; }));
    EXPECT_TRUE(std::any_of(tri.begin(), pause, [](std::int16_t s) { return s > 10000; }));
}

TEST(SoundsTest, WaveFileHeaderDescribesTheSamples)
{
    const std::string wav = WaveFile({1, -1, 0x1234}, 16000);
    ASSERT_EQ(wav.size(), 44u + 6u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(littleEndian(wav, 4, 4), 36u + 6u);
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(littleEndian(wav, 20, 2), 1u);     // PCM
    EXPECT_EQ(littleEndian(wav, 22, 2), 1u);     // mono
    EXPECT_EQ(littleEndian(wav, 24, 4), 16000u); // sample rate
    EXPECT_EQ(littleEndian(wav, 34, 2), 16u);    // bits per sample
    EXPECT_EQ(wav.substr(36, 4), "data");
    EXPECT_EQ(littleEndian(wav, 40, 4), 6u);
    EXPECT_EQ(littleEndian(wav, 44, 2), 1u);
    EXPECT_EQ(littleEndian(wav, 46, 2), 0xFFFFu);
    EXPECT_EQ(littleEndian(wav, 48, 2), 0x1234u);
}

// The files beside the program are made by scripts/make-sounds.py from the same patterns: each is
// a mono 16-bit PCM file lasting as long as its pattern.
TEST(SoundsTest, ShippedSoundsMatchTheirPatterns)
{
    for (int code = 1; code <= 5; ++code) {
        const std::string path = std::string(VORBIX_DATA_DIR) + "/Sounds/" + SoundFileName(code);
        SCOPED_TRACE(path);
        std::string wav;
        std::string error;
        ASSERT_TRUE(vorbix::text::readFile(path, wav, error)) << error;
        ASSERT_GE(wav.size(), 44u);
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(littleEndian(wav, 22, 2), 1u);
        EXPECT_EQ(littleEndian(wav, 34, 2), 16u);
        const std::uint32_t rate = littleEndian(wav, 24, 4);
        EXPECT_TRUE(rate == 8000 || rate == 16000) << rate;
        const std::uint32_t dataBytes = littleEndian(wav, 40, 4);
        EXPECT_EQ(wav.size(), 44u + dataBytes);
        EXPECT_EQ(dataBytes / 2 * 1000 / rate, static_cast<std::uint32_t>(totalMilliseconds(SpeakerPattern(code))));
    }
}
