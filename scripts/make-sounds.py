#!/usr/bin/env python3
"""Writes the program's own sounds, data/Sounds/*.wav, from the speaker's tone patterns.

The patterns are the ones the program synthesises when sounds go through the speaker setting, so
both outputs sound alike. 8 kHz mono 16-bit PCM keeps the files small. Run it again after changing
a pattern; the sounds test checks that each file lasts as long as its pattern.
"""
import math
import os
import struct
import sys

RATE = 8000
AMPLITUDE = 0.5 * 32767
FADE_MS = 5

RISING = [(500, 60), (600, 60), (700, 60)]
PATTERNS = {
    "SBeep.wav": [(1000, 100)],
    "LBeep.wav": [(1000, 600)],
    "TriBeep.wav": [(1000, 300), (25000, 300)] * 3,
    "Alarm.wav": RISING * 6,
    "Permanent.wav": RISING,
}


def samples(pattern):
    fade = max(1, RATE * FADE_MS // 1000)
    for hertz, ms in pattern:
        count = ms * RATE // 1000
        audible = 0 < hertz and hertz * 2 < RATE
        for i in range(count):
            if not audible:
                yield 0
                continue
            envelope = min(1.0, i / fade, (count - 1 - i) / fade)
            yield round(AMPLITUDE * envelope * math.sin(2 * math.pi * hertz * i / RATE))


def wave(pcm):
    data = b"".join(struct.pack("<h", s) for s in pcm)
    header = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVEfmt "
    header += struct.pack("<IHHIIHH", 16, 1, 1, RATE, RATE * 2, 2, 16)
    return header + b"data" + struct.pack("<I", len(data)) + data


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "Sounds")
    os.makedirs(folder, exist_ok=True)
    for name, pattern in PATTERNS.items():
        path = os.path.join(folder, name)
        temporary = path + ".tmp"
        with open(temporary, "wb") as f:
            f.write(wave(list(samples(pattern))))
        os.replace(temporary, path)
        print(path)


if __name__ == "__main__":
    main()
