#!/usr/bin/python3
"""Reads a MIDI file with mido, a reader that shares nothing with the writer, and prints each
marker of track 1 with the notes that start on its tick: "C: 48 52 55". Exits 77 without mido."""

import sys

try:
    import mido
except ImportError:
    print("mido is missing (Debian: python3-mido)")
    sys.exit(77)

midi = mido.MidiFile(sys.argv[1])
starts = {}
markers = []
tick = 0
for message in midi.tracks[1]:
    tick += message.time
    if message.type == "marker":
        markers.append((tick, message.text))
    elif message.type == "note_on" and message.velocity > 0:
        starts.setdefault(tick, []).append(message.note)
for tick, name in markers:
    print(f"{name}: {' '.join(str(n) for n in sorted(starts.get(tick, [])))}")
