#!/usr/bin/env python3
"""Writes Click.wav: the short click the game plays when a seat claims the turn.

A soft wooden tap: a brief noise burst through a resonant filter near 2.2 kHz
plus a quick low thump, both with fast exponential decays. 60 ms, 22050 Hz,
16-bit mono. Deterministic, so the committed file can be rebuilt exactly:

    python3 scripts/crear-click.py assets/Click.wav
"""
import math
import random
import struct
import sys
import wave

RATE = 22050
LENGTH = int(RATE * 0.060)


def samples():
    rng = random.Random(2026)
    # Two-pole resonator for the "wood" colour.
    f, r = 2200.0, 0.985
    a1 = -2 * r * math.cos(2 * math.pi * f / RATE)
    a2 = r * r
    y1 = y2 = 0.0
    for n in range(LENGTH):
        t = n / RATE
        burst = rng.uniform(-1, 1) * math.exp(-t / 0.0015)
        y = burst - a1 * y1 - a2 * y2
        y2, y1 = y1, y
        thump = math.sin(2 * math.pi * 180 * t) * math.exp(-t / 0.012)
        fade_in = min(1.0, n / 20)
        yield fade_in * (0.09 * y + 0.35 * thump)


def main(path):
    data = list(samples())
    peak = max(abs(s) for s in data) or 1.0
    frames = b"".join(struct.pack("<h", int(0.7 * 32767 * s / peak)) for s in data)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "Click.wav")
