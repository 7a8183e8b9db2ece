#!/usr/bin/env python3
"""Writes the organiser's short sound cues into data/sounds (8 kHz, 8-bit mono wav).

Each cue is a few sine tones with a soft attack and decay; run it again after changing a cue.
"""
import math
import pathlib
import struct
import wave

RATE = 8000

# cue name: list of (frequency in Hz, seconds)
CUES = {
    "ringing": [(880, 0.12), (0, 0.05), (880, 0.12), (0, 0.05), (1175, 0.2)],
    "bigben": [(659, 0.35), (523, 0.35), (587, 0.35), (392, 0.6)],
    "recycle": [(300, 0.08), (220, 0.12)],
    "prepare": [(523, 0.1), (659, 0.12)],
    "atwork": [(440, 0.1), (554, 0.1), (659, 0.14)],
    "mute": [(330, 0.18)],
    "done": [(523, 0.1), (659, 0.1), (784, 0.2)],
    "undone": [(392, 0.12), (311, 0.2)],
    "delegated": [(587, 0.1), (784, 0.16)],
}


def samples(tones):
    for frequency, seconds in tones:
        count = int(RATE * seconds)
        for i in range(count):
            envelope = min(1.0, i / 80, (count - i) / 400)
            value = math.sin(2 * math.pi * frequency * i / RATE) * envelope if frequency else 0.0
            yield int(128 + 90 * value)


def main():
    folder = pathlib.Path(__file__).resolve().parent.parent / "data" / "sounds"
    folder.mkdir(parents=True, exist_ok=True)
    for name, tones in CUES.items():
        with wave.open(str(folder / f"{name}.wav"), "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(1)
            out.setframerate(RATE)
            out.writeframes(struct.pack(f"{sum(1 for _ in samples(tones))}B", *samples(tones)))


if __name__ == "__main__":
    main()
