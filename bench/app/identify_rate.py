#!/usr/bin/env python3
"""Chords named per second by vorlane-cli: one process per chord (`identify NOTES...`) against
one process for them all (`identify -`, one chord's notes per line on standard input).

  bench/app/identify_rate.py [BUILD_DIR] [--chords N] [--processes N]

The chords are every root of a few common shapes in every inversion, repeated up to N (default
20000) for the stream; the first --processes of them (default 500) are also named one process
each. Prints chords per second for both.
"""
import argparse
import os
import subprocess
import sys
import time

SHAPES = [(0, 4, 7), (0, 3, 7), (0, 4, 7, 10), (0, 3, 7, 10), (0, 4, 7, 11), (0, 3, 6),
          (0, 4, 8), (0, 5, 7), (0, 4, 7, 9), (0, 4, 7, 10, 14)]


def chords(count):
    out = []
    while len(out) < count:
        for shape in SHAPES:
            for root in range(48, 60):
                for inversion in range(len(shape)):
                    notes = [root + s for s in shape]
                    notes = notes[inversion:] + [n + 12 for n in notes[:inversion]]
                    out.append(" ".join(str(n) for n in notes))
    return out[:count]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build/dev")
    parser.add_argument("--chords", type=int, default=20000)
    parser.add_argument("--processes", type=int, default=500)
    args = parser.parse_args()
    cli = os.path.join(os.path.abspath(args.build), "app", "cli", "vorlane-cli")
    lines = chords(args.chords)

    start = time.monotonic()
    for line in lines[:args.processes]:
        subprocess.run([cli, "identify"] + line.split(), stdout=subprocess.DEVNULL, check=True)
    each = args.processes / (time.monotonic() - start)
    print("one process per chord: %d chords, %.0f chords/s" % (args.processes, each))

    start = time.monotonic()
    done = subprocess.run([cli, "identify", "-"], input="\n".join(lines) + "\n", text=True,
                          capture_output=True)
    elapsed = time.monotonic() - start
    if done.returncode != 0:
        print("identify -: exit status %d: %s" % (done.returncode, done.stderr.strip()[:200]))
        return 1
    named = done.stdout.count("\nMIDI:") + done.stdout.startswith("MIDI:")
    print("identify -: %d chords in one process, %.0f chords/s (%d named)" %
          (len(lines), len(lines) / elapsed, named))
    return 0


if __name__ == "__main__":
    sys.exit(main())
