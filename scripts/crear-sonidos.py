#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the game's own sounds, Click.wav and Beep.wav, into a folder.

Click.wav, played when a seat claims the turn: a soft wooden tap, a brief
noise burst through a resonant filter near 2.2 kHz plus a quick low thump,
both with fast exponential decays. 60 ms.

Beep.wav, played for a key or a claim the game refuses: a short, soft tone
(two sine partials near 880 Hz) with a gentle rise and fall, so that it never
clicks and never startles. 110 ms.

Both 22050 Hz, 16-bit mono. Deterministic, so the committed files can be
rebuilt exactly:

    python3 scripts/crear-sonidos.py assets
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050


def click():
    rng = random.Random(2026)
    # Two-pole resonator for the "wood" colour.
    f, r = 2200.0, 0.985
    a1 = -2 * r * math.cos(2 * math.pi * f / RATE)
    a2 = r * r
    y1 = y2 = 0.0
    for n in range(int(RATE * 0.060)):
        t = n / RATE
        burst = rng.uniform(-1, 1) * math.exp(-t / 0.0015)
        y = burst - a1 * y1 - a2 * y2
        y2, y1 = y1, y
        thump = math.sin(2 * math.pi * 180 * t) * math.exp(-t / 0.012)
        fade_in = min(1.0, n / 20)
        yield fade_in * (0.09 * y + 0.35 * thump)


def beep():
    length = int(RATE * 0.110)
    for n in range(length):
        t = n / RATE
        # Raised-cosine edges of 15 ms: no click at either end.
        edge = min(1.0, n / (RATE * 0.015), (length - 1 - n) / (RATE * 0.015))
        envelope = 0.5 - 0.5 * math.cos(math.pi * edge)
        tone = math.sin(2 * math.pi * 880 * t) + 0.25 * math.sin(2 * math.pi * 1760 * t)
        yield envelope * tone


def write(path, samples, level):
    data = list(samples)
    peak = max(abs(s) for s in data) or 1.0
    frames = b"".join(struct.pack("<h", int(level * 32767 * s / peak)) for s in data)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main(folder):
    write(os.path.join(folder, "Click.wav"), click(), 0.7)
    # Softer than the click: a refusal is heard often.
    write(os.path.join(folder, "Beep.wav"), beep(), 0.3)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
