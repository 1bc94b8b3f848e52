#include "core/base/Sounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace vorbix::sound {
namespace {

constexpr double kAmplitude = 0.5 * 32767.0;
constexpr int kFadeMilliseconds = 5;

void appendLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::vector<Tone> repeated(const std::vector<Tone>& tones, int times)
{
    std::vector<Tone> out;
    for (int i = 0; i < times; ++i) {
        out.insert(out.end(), tones.begin(), tones.end());
    }
    return out;
}

} // namespace

std::vector<Tone> SpeakerPattern(int code)
{
    const std::vector<Tone> rising = {{500, 60}, {600, 60}, {700, 60}};
    switch (code) {
    case 1:
        return {{1000, 100}};
    case 2:
        return {{1000, 600}};
    case 3:
        return repeated({{1000, 300}, {25000, 300}}, 3);
    case 4:
        return repeated(rising, 6);
    case 5:
        return rising;
    default:
        return {};
    }
}

std::string SoundFileName(int code)
{
    static const std::array<const char*, 5> names = {"SBeep.wav", "LBeep.wav", "TriBeep.wav", "Alarm.wav",
                                                     "Permanent.wav"};
    if (code < 1 || code > static_cast<int>(names.size())) {
        return {};
    }
    return names[static_cast<std::size_t>(code - 1)];
}

std::vector<std::int16_t> SynthesiseTones(const std::vector<Tone>& pattern, int sampleRate)
{
    std::vector<std::int16_t> samples;
    if (sampleRate <= 0) {
        return samples;
    }
    const int fade = std::max(1, sampleRate * kFadeMilliseconds / 1000);
    for (const Tone& tone : pattern) {
        const int count = static_cast<int>(static_cast<long long>(std::max(tone.milliseconds, 0)) * sampleRate / 1000);
        const bool audible = tone.hertz > 0 && tone.hertz * 2 < sampleRate;
        for (int i = 0; i < count; ++i) {
            if (!audible) {
                samples.push_back(0);
                continue;
            }
            const double envelope =
                std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(count - 1 - i) / fade});
            const double phase = 2.0 * std::numbers::pi * tone.hertz * i / sampleRate;
            samples.push_back(static_cast<std::int16_t>(std::lround(kAmplitude * envelope * std::sin(phase))));
        }
    }
    return samples;
}

std::string WaveFile(const std::vector<std::int16_t>& samples, int sampleRate)
{
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    appendLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    appendLittleEndian(out, 16, 4); // the format chunk's size
    appendLittleEndian(out, 1, 2);  // PCM
    appendLittleEndian(out, 1, 2);  // mono
    appendLittleEndian(out, static_cast<std::uint32_t>(sampleRate), 4);
    appendLittleEndian(out, static_cast<std::uint32_t>(sampleRate) * 2, 4); // bytes per second
    appendLittleEndian(out, 2, 2);                                          // bytes per frame
    appendLittleEndian(out, 16, 2);                                         // bits per sample
    out += "data";
    appendLittleEndian(out, dataBytes, 4);
    for (const std::int16_t s : samples) {
        appendLittleEndian(out, static_cast<std::uint16_t>(s), 2);
    }
    return out;
}

} // namespace vorbix::sound
