#!/usr/bin/env bash
# Runs the real program under Xvfb with a private PulseAudio null sink, clicks through the
# four sounds with xdotool (organ, organ an octave up, piano arpeggio, guitar arpeggio),
# records the sink's monitor with parecord and finds the notes in the recording.
#   bench/sound/capture_app.sh BUILD_DIR    (needs xvfb, xdotool, pulseaudio, pulseaudio-utils)
set -euo pipefail
build=$(cd "${1:-build/dev}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
export PULSE_RUNTIME_PATH=$work PULSE_STATE_PATH=$work PULSE_SERVER=unix:$work/native
HOME=$work pulseaudio -D --exit-idle-time=-1 -n --use-pid-file=yes \
    --load=module-null-sink \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/native" 2>/dev/null
trap 'kill "$(cat "$work/pid")" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -S "$work/native" ] && break; sleep 0.1; done

# A fresh home: English, no sound, octave off. Without a window manager the window stands
# centred on the 1024 x 768 screen, so its client area starts at (138, 71).
cat > "$work/clicks.sh" <<'CLICKS'
set -eu
click() { xdotool mousemove $((138 + $1)) $((71 + $2)) click 1; }
no_sound() { click 34 599; }
hammond() { click 146 599; }
piano() { click 298 599; }
guitar() { click 450 599; }
octave() { click 596 599; }
HOME=$WORK "$BUILD/app/vorlane" &
app=$!
sleep 3
parecord -d null.monitor --format=s16le --rate=44100 --channels=1 --file-format=wav \
    "$WORK/capture.wav" &
recorder=$!
sleep 0.5
hammond; sleep 1.5; no_sound; sleep 1.0            # organ chord, held until the next choice
octave; hammond; sleep 1.5; no_sound; octave; sleep 1.0
piano; sleep 3.0                                    # 3 x 400 ms + 800 ms
guitar; sleep 2.0                                   # 3 x 100 ms + 800 ms
kill -INT $recorder; wait $recorder || true
xdotool key --clearmodifiers alt+F4 || true
kill $app 2>/dev/null || true
CLICKS
WORK=$work BUILD=$build xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/clicks.sh"
python3 "$here/find_notes.py" "$work/capture.wav"
