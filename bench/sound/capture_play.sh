#!/usr/bin/env bash
# Plays the built-in synth's sounds through a private PulseAudio server with a null sink,
# records the sink's monitor with parecord and finds the notes in the recording.
#   bench/sound/capture_play.sh BUILD_DIR     (needs pulseaudio and pulseaudio-utils)
set -euo pipefail
build=${1:-build/dev}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
export PULSE_RUNTIME_PATH=$work PULSE_STATE_PATH=$work PULSE_SERVER=unix:$work/native
HOME=$work pulseaudio -D --exit-idle-time=-1 -n --use-pid-file=yes --log-target=stderr \
    --load=module-null-sink \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/native" 2>/dev/null
trap 'kill "$(cat "$work/pid")" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -S "$work/native" ] && break; sleep 0.1; done

parecord -d null.monitor --format=s16le --rate=44100 --channels=1 --file-format=wav \
    "$work/capture.wav" &
recorder=$!
sleep 0.5
"$build/bench/sound/vorlane_sound_bench" play
sleep 0.5
kill -INT "$recorder"
wait "$recorder" || true
python3 "$here/find_notes.py" "$work/capture.wav"
