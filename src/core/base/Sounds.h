#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorbix::sound {

// The sound codes of the beep and of the monitor's messages: 0 none, 1 to 5 the program's own
// sounds (5 repeats until it is stopped), 6 a sound file of the message's own.
inline constexpr int kSoundNone = 0;
inline constexpr int kSoundShortBeep = 1;
inline constexpr int kSoundPermanent = 5;
inline constexpr int kSoundOwnFile = 6;

// One tone of the speaker patterns. A frequency above hearing (25000 Hz) is a pause.
struct Tone
{
    int hertz = 0;
    int milliseconds = 0;
};

// The tone pattern the speaker plays for a code; empty for 0, 6 and unknown codes.
std::vector<Tone> SpeakerPattern(int code);

// "SBeep.wav" ... "Permanent.wav" in the program folder's "Sounds" folder for codes 1 to 5; empty
// otherwise.
std::string SoundFileName(int code);

// Code 5 plays again and again until it is stopped or replaced.
inline bool SoundRepeats(int code)
{
    return code == kSoundPermanent;
}

// The pattern as 16-bit mono PCM: sine tones with short fades against clicks; pauses and tones
// above half the sample rate are silence.
std::vector<std::int16_t> SynthesiseTones(const std::vector<Tone>& pattern, int sampleRate);

// A RIFF WAVE file (16-bit PCM, mono) holding `samples`.
std::string WaveFile(const std::vector<std::int16_t>& samples, int sampleRate);

} // namespace vorbix::sound
