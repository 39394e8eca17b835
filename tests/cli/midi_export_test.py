#!/usr/bin/python3
"""vorlane-cli midi on a list in each language, its files read back with mido, a reader that
shares nothing with the writer. Exits 77 (skipped) when mido is missing."""

import os
import subprocess
import sys
import tempfile

try:
    import mido
except ImportError:
    print("SKIPPED: mido is missing (Debian: python3-mido)")
    sys.exit(77)

CLI = sys.argv[1]
LISTS = {  # header, chord caption, line end
    "en": ("Selected Chords", "Chord ", "\r\n"),
    "fr": ("Accords sélectionnés", "Accord ", "\r\n"),
    "nl": ("Geselecteerde Akkoorden", "Akkoord ", "\n"),
}
CHORDS = [("C", "C - E - G"), ("Dm7", "D - F - A - C"), ("G7", "G - B - D - F")]
ROOT_NOTES = [[48, 52, 55], [50, 53, 57, 60], [55, 59, 62, 65]]


def write_list(path, language, chords):
    header, caption, end = LISTS[language]
    lines = [header, "=" * len(header), ""] + [f"{caption}{n}:   {t}" for n, t in chords]
    with open(path, "wb") as f:
        f.write("".join(line + end for line in lines).encode("cp1252"))


def export(*args):
    result = subprocess.run([CLI, "midi", *args], capture_output=True, text=True)
    assert result.returncode == 0 and result.stderr == "", (args, result)
    return mido.MidiFile(args[-1])


def read(midi):
    """Track 0's meta messages, then track 1's program, markers and notes on absolute ticks."""
    assert (midi.type, midi.ticks_per_beat, len(midi.tracks)) == (1, 480, 2)
    meta = {m.type: m for m in midi.tracks[0]}
    assert meta["track_name"].name == "Vorlane"
    assert (meta["time_signature"].numerator, meta["time_signature"].denominator) == (4, 4)
    tick, programs, markers, notes, sounding = 0, [], [], [], {}
    for m in midi.tracks[1]:
        tick += m.time
        if m.type == "program_change":
            programs.append((tick, m.channel, m.program))
        elif m.type == "marker":
            markers.append((tick, m.text))
        elif m.type == "note_on" and m.velocity > 0:
            assert m.note not in sounding and m.channel == 0 and m.velocity == 127, (tick, m)
            sounding[m.note] = tick
        elif m.type in ("note_on", "note_off"):
            notes.append((sounding.pop(m.note), tick, m.note))
        elif m.type == "end_of_track":
            end = tick
    assert not sounding and end == max(n[1] for n in notes), (sounding, end)
    return meta["set_tempo"].tempo, programs, markers, sorted(notes)


def held(chord_notes, beats, starts=None):
    length = beats * 480
    return sorted((i * length + (starts[j] if starts else 0), (i + 1) * length, note)
                  for i, chord in enumerate(chord_notes) for j, note in enumerate(chord))


def main(folder):
    names = [(0, "C"), (1920, "Dm7"), (3840, "G7")]
    for language in LISTS:
        path = os.path.join(folder, f"{language}.txt")
        write_list(path, language, CHORDS)
        tempo, programs, markers, notes = read(export(path, path + ".mid"))
        assert tempo == 666666 and programs == [(0, 0, 16)], (tempo, programs)
        assert markers == names and notes == held(ROOT_NOTES, 4), (language, markers, notes)

    english = os.path.join(folder, "en.txt")
    tempo, programs, markers, notes = read(export(
        "--tempo", "120", "--beats=2", "--mode", "piano", "--octave-higher", english, english + "2.mid"))
    higher = [[n + 12 for n in chord] for chord in ROOT_NOTES]
    assert tempo == 500000 and programs == [(0, 0, 0)], (tempo, programs)
    assert [t for t, _ in markers] == [0, 960, 1920]
    steps = [0, 160, 320]
    assert notes == sorted(held(higher[:1], 2, steps) + [
        (s + i * 960, (i + 1) * 960, n)
        for i in (1, 2) for s, n in zip([0, 120, 240, 360], higher[i])]), notes

    _, programs, _, notes = read(export("--mode", "guitar", "--smooth", english, english + "3.mid"))
    assert programs == [(0, 0, 24)]
    for i, chord in enumerate(ROOT_NOTES):
        played = [n for start, _, n in notes if i * 1920 <= start < (i + 1) * 1920]
        assert sorted(p % 12 for p in played) == sorted(n % 12 for n in chord), (i, played)

    # A tone two chords share ends and sounds again on the same tick; "°" is Latin-1 in a marker.
    twice = os.path.join(folder, "twice.txt")
    write_list(twice, "en", CHORDS[:1] * 2 + [("B° (DIM)", "B - D - F")])
    _, _, markers, notes = read(export("--beats", "1", twice, twice + ".mid"))
    assert markers == [(0, "C"), (480, "C"), (960, "B° (DIM)")], markers
    assert notes == held([ROOT_NOTES[0]] * 2 + [[59, 62, 65]], 1), notes
    print("ok")


with tempfile.TemporaryDirectory() as temporary:
    main(temporary)
