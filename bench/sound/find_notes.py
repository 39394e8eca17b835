#!/usr/bin/env python3
"""Finds the four sounds of `vorlane_sound_bench play` in a mono 16-bit WAV capture of the
audio output: the pitches of each chord against their semitone neighbours, the note onsets of
the arpeggios and how long each sound lasts. Usage: find_notes.py capture.wav"""
import math
import struct
import sys
import wave

w = wave.open(sys.argv[1]); rate = w.getframerate(); n = w.getnframes()
x = [v / 32768.0 for v in struct.unpack('<%dh' % n, w.readframes(n))]
hop = rate // 100
env = [math.sqrt(sum(v * v for v in x[i:i + hop]) / hop) for i in range(0, n - hop, hop)]
onsets, quiet = [], 100
for i, e in enumerate(env):
    if e > 0.01 and quiet >= 20: onsets.append(i * hop)
    quiet = quiet + 1 if e < 0.005 else 0
print("sound onsets at", " ".join("%.3f s" % (o / rate) for o in onsets))
def level(start, a, b, f):
    seg = x[start + int(a * rate): start + int(b * rate)]; N = len(seg)
    c = 2 * math.cos(2 * math.pi * f / rate); s1 = s2 = 0.0
    for i, v in enumerate(seg):
        s = v * (0.5 - 0.5 * math.cos(2 * math.pi * i / N)) + c * s1 - s2; s2 = s1; s1 = s
    return math.sqrt(max(s1 * s1 + s2 * s2 - c * s1 * s2, 0)) / N
hz = lambda k: 440 * 2 ** ((k - 69) / 12)
def show(name, start, a, b, notes, off):
    on = [level(start, a, b, hz(k)) for k in notes]; of = max(level(start, a, b, hz(k)) for k in off)
    print("%-18s %s  off-pitch max %.5f -> %s" % (name, " ".join("%d:%.4f" % kv for kv in zip(notes, on)), of, "found" if min(on) > 10 * of else "NOT FOUND"))
def first_rise(start, note, until):
    # 30 ms windows every 10 ms: when the note's partial first reaches half its maximum
    lv = [level(start, t / 100, t / 100 + 0.03, hz(note)) for t in range(0, int(until * 100))]
    m = max(lv); return next(t for t, v in enumerate(lv) if v > m / 2) / 100
names = ["organ", "organ octave up", "piano arpeggio", "guitar arpeggio"]
lows, highs = [48, 52, 55], [60, 64, 67]
off_low, off_high = [47, 49, 50, 51, 53, 54, 56], [59, 61, 62, 63, 65, 66, 68]
show(names[0], onsets[0], 0.2, 1.4, lows, off_low)
show(names[1], onsets[1], 0.2, 1.4, highs, off_high)
show(names[2], onsets[2], 0.85, 1.9, lows, off_low)
show(names[3], onsets[3], 0.25, 1.0, lows, off_low)
for name, o, step in ((names[2], onsets[2], 0.4), (names[3], onsets[3], 0.1)):
    print("%-18s note onsets %s s (expected 0, %.1f, %.1f)" % (name, ", ".join("%.2f" % first_rise(o, k, 3 * step + 0.2) for k in lows), step, 2 * step))
for name, o, d in zip(names, onsets, (1.5, 1.5, 2.0, 1.1)):
    print("%-18s sounding for %.2f s (expected %.1f s plus release)" % (name, next(i for i in range(o // hop, len(env)) if env[i] < 0.005) * hop / rate - o / rate, d))
