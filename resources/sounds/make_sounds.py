#!/usr/bin/env python3
"""Generates Fennick's sound effects: short, soft tones, 16-bit mono at 22050 Hz.

Run from any folder: python3 make_sounds.py  (writes the .wav files beside this script).
The output is deterministic, so running it again reproduces the committed files.
"""

import math
import os
import struct
import wave

RATE = 22050
HERE = os.path.dirname(os.path.abspath(__file__))


def note(name):
    """Frequency of a note such as 'C5' or 'F#4' (A4 = 440 Hz)."""
    steps = {"C": -9, "C#": -8, "D": -7, "D#": -6, "E": -5, "F": -4, "F#": -3,
             "G": -2, "G#": -1, "A": 0, "A#": 1, "B": 2}
    pitch, octave = name[:-1], int(name[-1])
    return 440.0 * 2 ** ((steps[pitch] + 12 * (octave - 4)) / 12)


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def tone(freq, seconds, decay=6.0, attack=0.006, partials=((1, 1.0),), glide_to=None):
    """A tone with a soft attack and an exponential fade; partials are (multiple, level)."""
    n = int(RATE * seconds)
    out = []
    phase = [0.0] * len(partials)
    for i in range(n):
        t = i / RATE
        f = freq if glide_to is None else freq + (glide_to - freq) * (i / n)
        env = min(1.0, t / attack) * math.exp(-decay * t)
        # The last few milliseconds fade to zero so the sound ends without a click.
        env *= min(1.0, (n - i) / (RATE * 0.004))
        s = 0.0
        for k, (mult, level) in enumerate(partials):
            phase[k] += 2 * math.pi * f * mult / RATE
            s += level * math.sin(phase[k])
        out.append(env * s)
    return out


BELL = ((1, 1.0), (2, 0.35), (3, 0.12), (4.2, 0.06))
WARM = ((1, 1.0), (2, 0.25), (3, 0.08))


def mix(*parts):
    """Sums (start seconds, samples) pieces into one track."""
    length = max(int(start * RATE) + len(s) for start, s in parts)
    out = [0.0] * length
    for start, s in parts:
        off = int(start * RATE)
        for i, v in enumerate(s):
            out[off + i] += v
    return out


def write(name, samples, volume=0.5):
    peak = max(abs(v) for v in samples) or 1.0
    scale = volume * 32767 / peak
    data = b"".join(struct.pack("<h", int(round(v * scale))) for v in samples)
    with wave.open(os.path.join(HERE, name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data)


def main():
    # "laser": a quick rising sweep; a name was found.
    write("S01.wav", tone(700, 0.28, decay=7, partials=WARM, glide_to=1900), 0.4)
    # "clunk": a short low knock; the end of a list, nothing found, a refused entry.
    write("S02.wav", mix((0, tone(150, 0.16, decay=30, partials=((1, 1.0), (2.7, 0.3)))),
                         (0, tone(95, 0.16, decay=25))), 0.55)
    # "carbrake": two falling notes before a warning.
    write("S03.wav", mix((0, tone(note("A5"), 0.22, decay=8, partials=WARM)),
                         (0.2, tone(note("E5"), 0.3, decay=7, partials=WARM))), 0.45)
    # "filedone": a rising major arpeggio; a backup or restore finished.
    write("S04.wav", mix(*[(i * 0.1, tone(note(n), 0.35, decay=8, partials=BELL))
                           for i, n in enumerate(["C5", "E5", "G5", "C6"])]), 0.45)
    # "welcome": three soft bell notes.
    write("S05.wav", mix(*[(i * 0.14, tone(note(n), 0.4, decay=6, partials=BELL))
                           for i, n in enumerate(["G4", "C5", "E5"])]), 0.45)
    # The start screen's greeting: a gentle arpeggio that settles on a chord.
    write("S06.wav", mix(*[(i * 0.16, tone(note(n), 1.5 - i * 0.16, decay=3, partials=BELL))
                           for i, n in enumerate(["C4", "G4", "C5", "E5", "G5"])]), 0.45)
    # "goodbye": a two-chord "amen" (F major to C major).
    amen = [(0, tone(note(n), 0.45, decay=3, partials=WARM)) for n in ["F4", "A4", "C5"]]
    amen += [(0.42, tone(note(n), 0.5, decay=4, partials=WARM)) for n in ["E4", "G4", "C5"]]
    write("amen.wav", mix(*amen), 0.45)
    # The attendance screen's call for a missing telephone number: two short double rings.
    ring = []
    for start in (0.0, 0.3):
        for j in range(4):
            f = note("E6") if j % 2 == 0 else note("C6")
            ring.append((start + j * 0.045, tone(f, 0.05, decay=10)))
    write("ring.wav", mix(*ring), 0.35)
    # "chimes": three falling bell strokes; a name was found in the church member list.
    write("chimes.wav", mix(*[(i * 0.22, tone(note(n), 0.5, decay=5, partials=BELL))
                              for i, n in enumerate(["E6", "C6", "G5"])]), 0.4)


if __name__ == "__main__":
    main()
