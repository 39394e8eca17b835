#!/usr/bin/env python3
"""Start-up of the real program against a bare Qt 6 window of the same size, under Xvfb.

  bench/gui/startup_bench.py [BUILD_DIR] [--runs N] [--memory-runs N] [--clicks N] [--no-build]
                             [--also NAME=PROGRAM]...

Builds `vorlane`, `bench_bare_window` and `bench_text_window` (the bare window with one line
of text: what any window that draws text pays for fonts) in BUILD_DIR (default build/dev),
starts a private Xvfb and a private PulseAudio server with a null sink, then:
  1. alternates runs of the programs (N each, default 11), timing exec to the first paint
     of the window: each prints a monotonic timestamp once its window is painted when
     VORLANE_STARTUP_PROBE is set (ui/qt/first_paint.h), and is killed then;
  2. reads VmRSS and RssAnon from /proc/PID/status 1 s after exec, sound on (the organ), no
     JACK server started;
  3. with --clicks N: clicks a chord in the real window (XTest) at once after the first paint,
     0.3 s after it (about the quickest a person reacts) and 2 s after it, and times click to
     sound on the null sink's monitor (parecord).
--also adds another build of the program (an earlier commit's, say) to the alternation and the
memory figures, so that a change is measured against its predecessor under the same load.
Every run gets a fresh private HOME, so no setting carries over. Needs xvfb, pulseaudio,
pulseaudio-utils and, for --clicks, xdotool.
"""
import argparse
import ctypes
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

SOUND_SETTINGS = "[General]\nMidi=Hammond\n"
# The first variation button of the window (client coordinates): a chord click.
CHORD_BUTTON = (238, 57)


def start_xvfb(work):
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=[write_fd], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, cwd=work)
    os.close(write_fd)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_fd, 16)
        if not chunk:
            sys.exit("Xvfb did not start")
        number += chunk
    os.close(read_fd)
    return xvfb, ":" + number.decode().strip()


def start_pulse(work):
    folder = os.path.join(work, "pulse")
    os.makedirs(folder)
    socket = os.path.join(folder, "native")
    env = {"HOME": folder, "PULSE_RUNTIME_PATH": folder, "PULSE_STATE_PATH": folder,
           "XDG_RUNTIME_DIR": folder, "PATH": os.environ.get("PATH", "/usr/bin:/bin")}
    pulse = subprocess.Popen(
        ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
         "-L", "module-null-sink",
         "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket],
        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        if os.path.exists(socket):
            return pulse, "unix:" + socket
        time.sleep(0.05)
    sys.exit("the private PulseAudio server did not start")


class Runner:
    def __init__(self, work, display, pulse_server):
        self.work = work
        self.display = display
        self.pulse_server = pulse_server
        self.count = 0

    def env(self, probe):
        self.count += 1
        home = os.path.join(self.work, "home-%d" % self.count)
        os.makedirs(os.path.join(home, ".config"))
        os.makedirs(os.path.join(home, "runtime"), mode=0o700)
        with open(os.path.join(home, ".config", "Vorlane.conf"), "w") as f:
            f.write(SOUND_SETTINGS)
        env = {"HOME": home, "XDG_RUNTIME_DIR": os.path.join(home, "runtime"),
               "DISPLAY": self.display, "PULSE_SERVER": self.pulse_server,
               "PATH": os.environ.get("PATH", "/usr/bin:/bin"), "LANG": "C.UTF-8"}
        if probe:
            env["VORLANE_STARTUP_PROBE"] = "1"
        return env

    def start(self, program, probe):
        env = self.env(probe)
        started = time.monotonic_ns()
        process = subprocess.Popen([program], env=env, stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL)
        return process, started

    @staticmethod
    def painted(process, limit=10.0):
        """The first-paint timestamp the program prints, or None."""
        ready, _, _ = select.select([process.stdout], [], [], limit)
        if not ready:
            return None
        words = process.stdout.readline().split()
        return int(words[1]) if len(words) == 2 and words[0] == b"painted" else None

    @staticmethod
    def stop(process):
        process.kill()
        process.wait()

    def time_to_paint(self, program):
        process, started = self.start(program, True)
        painted = self.painted(process)
        self.stop(process)
        return None if painted is None else (painted - started) / 1e6

    def memory(self, program):
        process, started = self.start(program, False)
        time.sleep(max(0.0, 1.0 - (time.monotonic_ns() - started) / 1e9))
        fields = {}
        with open("/proc/%d/status" % process.pid) as status:
            for line in status:
                name, _, value = line.partition(":")
                if name in ("VmRSS", "RssAnon"):
                    fields[name] = int(value.split()[0]) / 1024.0
        self.stop(process)
        return fields


def summary(values):
    return min(values), statistics.median(values), max(values)


def measure_startup(runner, programs, runs):
    times = {name: [] for name in programs}
    names = list(programs)
    for i in range(runs):
        # Alternate, and alternate who goes first, so that load drifts hit both alike.
        for name in (names if i % 2 == 0 else names[::-1]):
            ms = runner.time_to_paint(programs[name])
            if ms is None:
                sys.exit("%s printed no first paint" % name)
            times[name].append(ms)
            time.sleep(0.2)
    print("exec to window painted, %d alternating runs each (ms)" % runs)
    print("  %-12s %8s %8s %8s" % ("", "min", "median", "max"))
    for name in names:
        print("  %-12s %8.1f %8.1f %8.1f" % ((name,) + summary(times[name])))
    for name in names:
        print("  %-12s runs: %s" % (name, " ".join("%.1f" % t for t in times[name])))
    for name in names[1:]:
        ratio = statistics.median(times[name]) / statistics.median(times["bare"])
        print("  ratio of medians %s/bare: %.2fx   (target <= 1.30x, aim 1.15x)" % (name, ratio))
    if "text" in times:
        for name in names[2:]:
            ratio = statistics.median(times[name]) / statistics.median(times["text"])
            print("  ratio of medians %s/text: %.2fx   (over a window with one line of text)"
                  % (name, ratio))


def measure_memory(runner, programs, runs):
    print("resident memory 1 s after exec, sound on, no JACK server (MB), %d runs each" % runs)
    print("  %-12s %22s %22s" % ("", "VmRSS min/median/max", "RssAnon min/median/max"))
    for name in programs:
        samples = [runner.memory(programs[name]) for _ in range(runs)]
        rss = summary([s["VmRSS"] for s in samples])
        anon = summary([s["RssAnon"] for s in samples])
        print("  %-12s %6.1f %6.1f %6.1f   %6.1f %6.1f %6.1f" % ((name,) + rss + anon))
    print("  (target: VmRSS <= 60 MB, aim 45 MB)")


class Recording:
    """parecord on the null sink's monitor, read back to find when sound arrives."""

    RATE = 44100

    def __init__(self, work, pulse_server):
        self.path = os.path.join(work, "monitor.raw")
        self.process = subprocess.Popen(
            ["parecord", "--server=" + pulse_server, "-d", "null.monitor", "--raw",
             "--format=s16le", "--rate=%d" % self.RATE, "--channels=1", "--latency-msec=10",
             self.path], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(2.0)  # a new record stream settles before it delivers steadily

    def frames(self):
        try:
            return os.path.getsize(self.path) // 2
        except OSError:
            return 0

    def sound_after(self, start, limit):
        """Monotonic time at which 10 ms louder than -40 dBFS have arrived after frame start."""
        window = self.RATE // 100
        end = time.monotonic() + limit
        at = start
        while time.monotonic() < end:
            with open(self.path, "rb") as f:
                f.seek(at * 2)
                data = f.read()
            usable = len(data) // 2 // window * window
            for w in range(0, usable, window):
                chunk = memoryview(data)[w * 2:(w + window) * 2].cast("h")
                if sum(s * s for s in chunk) / window > (0.01 * 32768) ** 2:
                    return time.monotonic()
            at += usable
            time.sleep(0.002)
        return None

    def close(self):
        self.process.kill()
        self.process.wait()


class Pointer:
    """Clicks through the XTest extension, so that the click's moment is known exactly."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(display.encode())

    def move(self, x, y):
        self.xtst.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.x11.XSync(self.display, 0)

    def click(self):
        """Press and release; returns the monotonic time of the release (a button acts on it)."""
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1, 0)
        self.x11.XSync(self.display, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 0, 0)
        self.x11.XSync(self.display, 0)
        return time.monotonic()

    def close(self):
        self.x11.XCloseDisplay(self.display)


def window_origin(display):
    env = {"DISPLAY": display, "PATH": os.environ.get("PATH", "")}
    out = subprocess.run(["xdotool", "search", "--name", "^Vorlane", "getwindowgeometry"],
                         env=env, capture_output=True, text=True).stdout
    for line in out.splitlines():
        if "Position:" in line:
            x, y = line.split()[1].split(",")
            return int(x), int(y)
    return None


def measure_clicks(runner, program, runs, work, pulse_server):
    if shutil.which("xdotool") is None:
        print("click to sound: xdotool is missing")
        return
    recording = Recording(work, pulse_server)
    pointer = Pointer(runner.display)
    moments = (("at first paint", 0.0), ("0.3 s after it", 0.3), ("2 s after it", 2.0))
    results = {label: [] for label, _ in moments}
    for _ in range(runs):
        for label, delay in moments:
            process, _ = runner.start(program, True)
            if runner.painted(process) is None:
                sys.exit("vorlane printed no first paint")
            origin = window_origin(runner.display)
            if origin is None:
                sys.exit("no Vorlane window found")
            pointer.move(origin[0] + CHORD_BUTTON[0], origin[1] + CHORD_BUTTON[1])
            time.sleep(delay)
            start = recording.frames()
            clicked = pointer.click()
            heard = recording.sound_after(start, 10.0)
            results[label].append(None if heard is None else (heard - clicked) * 1000)
            runner.stop(process)
            time.sleep(1.5)  # the organ's release
    recording.close()
    pointer.close()
    print("click on a chord to sound on the null sink's monitor, %d runs (ms; includes "
          "parecord's 10 ms fragments)" % runs)
    for label, values in results.items():
        heard = [v for v in values if v is not None]
        line = "  clicked %-15s" % label
        if heard:
            line += " min %7.1f  median %7.1f  max %7.1f" % summary(heard)
        print(line + "  (%d of %d heard)" % (len(heard), len(values)))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", nargs="?", default="build/dev")
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--memory-runs", type=int, default=3)
    parser.add_argument("--clicks", type=int, default=0)
    parser.add_argument("--no-build", action="store_true")
    parser.add_argument("--also", action="append", default=[], metavar="NAME=PROGRAM")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    if not args.no_build:
        subprocess.run(["cmake", "--build", build, "--target", "vorlane", "bench_bare_window",
                        "bench_text_window"], check=True, stdout=subprocess.DEVNULL)
    programs = {"bare": os.path.join(build, "bench", "gui", "bench_bare_window"),
                "text": os.path.join(build, "bench", "gui", "bench_text_window"),
                "vorlane": os.path.join(build, "app", "vorlane")}
    for extra in args.also:
        name, _, path = extra.partition("=")
        programs[name] = os.path.abspath(path)
    work = tempfile.mkdtemp(prefix="vorlane-startup-")
    xvfb, display = start_xvfb(work)
    pulse, pulse_server = start_pulse(work)
    try:
        with open("/proc/loadavg") as f:
            print("load average at start: %s" % " ".join(f.read().split()[:3]))
        runner = Runner(work, display, pulse_server)
        # One unmeasured run each, so that both start from a warm page cache.
        for program in programs.values():
            runner.time_to_paint(program)
        measure_startup(runner, programs, args.runs)
        measure_memory(runner, programs, args.memory_runs)
        if args.clicks > 0:
            measure_clicks(runner, programs["vorlane"], args.clicks, work, pulse_server)
        with open("/proc/loadavg") as f:
            print("load average at end: %s" % " ".join(f.read().split()[:3]))
    finally:
        for process in (pulse, xvfb):
            process.send_signal(signal.SIGTERM)
            process.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
