// Measures the built-in synth: SoundFont load, Open, note-on latency on a live PulseAudio
// server, and CPU while nothing sounds. Prints one line per figure.
//
//   vorlane_sound_bench [load] [open] [latency] [cpu] [play] [--seconds N] [--server-pid PID]
//                       [--period FRAMES] [--drop-caches]
//
// latency and cpu need an audio server; for a machine without a sound card:
//   pulseaudio -D --exit-idle-time=-1 -n --load=module-null-sink
//       --load=module-native-protocol-unix      (one command line)
// latency records the default sink's monitor, so the figure includes the capture delay too.
// latency also times a live note (a key played on a MIDI keyboard) on its own channel.

#include <fluidsynth.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/sound/monitor.h"
#include "midi/fluidsynth/fluidsynth_midi_out.h"
#include "midi/fluidsynth/synth_engine.h"

namespace vorlane::bench {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr std::uint8_t kLiveChannel = 1;

struct Args {
    std::vector<std::string> what;
    double seconds = 3.0;
    int serverPid = 0;
    int period = FluidSynthOptions{}.periodSize;
    bool dropCaches = false;
};

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double ServerCpuSeconds(int pid) {
    if (pid <= 0) {
        return 0.0;
    }
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    double ticks = 0.0;
    for (int i = 1; i <= 15 && stat >> field; ++i) {
        if (i == 14 || i == 15) {  // utime, stime
            ticks += std::stod(field);
        }
    }
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long ResidentMb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE) / (1024 * 1024);
}

void DropCaches(const Args& args) {
    if (args.dropCaches) {
        sync();
        std::ofstream("/proc/sys/vm/drop_caches") << "3\n";
    }
}

void Summary(const char* what, std::vector<double> values, const char* unit) {
    if (std::getenv("VORLANE_BENCH_VERBOSE") != nullptr) {
        for (double v : values) {
            std::printf(" %.2f", v);
        }
        std::printf("\n");
    }
    std::sort(values.begin(), values.end());
    std::printf("%-44s median %7.2f %s  min %7.2f  max %7.2f  (n=%zu)\n", what,
                values[values.size() / 2], unit, values.front(), values.back(), values.size());
}

void MeasureLoad(const Args& args) {
    const std::string path = DefaultSoundFonts().front();
    for (int dynamic : {1, 0}) {
        std::vector<double> times, organ, guitar;
        long resident = 0;
        for (int i = 0; i < 5; ++i) {
            DropCaches(args);
            fluid_settings_t* settings = new_fluid_settings();
            fluid_settings_setint(settings, "synth.dynamic-sample-loading", dynamic);
            fluid_synth_t* synth = new_fluid_synth(settings);
            const long before = ResidentMb();
            const auto start = Clock::now();
            fluid_synth_sfload(synth, path.c_str(), 1);
            times.push_back(Ms(Clock::now() - start));
            for (int program : {16, 24}) {  // piano (0) is selected by the load itself
                const auto selected = Clock::now();
                fluid_synth_program_change(synth, 0, program);
                (program == 16 ? organ : guitar).push_back(Ms(Clock::now() - selected));
            }
            if (i == 0) {  // later rounds reuse freed memory
                resident = ResidentMb() - before;
            }
            delete_fluid_synth(synth);
            delete_fluid_settings(settings);
        }
        std::printf("sfload %s, dynamic sample loading %s: +%ld MB resident\n", path.c_str(),
                    dynamic ? "on" : "off", resident);
        Summary(dynamic ? "  load time (dynamic)" : "  load time (everything)", times, "ms");
        Summary("  first program change to 16", organ, "ms");
        Summary("  first program change to 24", guitar, "ms");
    }
}

void MeasureOpen(const Args& args) {
    std::vector<double> returned, ready, closed;
    std::string driver;
    for (int i = 0; i < 5; ++i) {
        DropCaches(args);
        FluidSynthOptions options;
        options.periodSize = args.period;
        FluidSynthMidiOut synth{options};
        auto start = Clock::now();
        synth.Open();
        returned.push_back(Ms(Clock::now() - start));
        synth.WaitUntilLoaded();
        ready.push_back(Ms(Clock::now() - start));
        driver = synth.AudioDriverName();
        start = Clock::now();
        synth.Close();
        closed.push_back(Ms(Clock::now() - start));
    }
    std::printf("Open with audio driver '%s'\n", driver.empty() ? "(none)" : driver.c_str());
    Summary("  Open() returns (blocks the GUI thread)", returned, "ms");
    Summary("  ready to sound (worker thread)", ready, "ms");
    Summary("  Close()", closed, "ms");
}

// From NoteOn to the first loud fragment on the monitor of the default sink.
std::vector<double> NoteLatencies(FluidSynthMidiOut& synth, Monitor& monitor, bool fromIdle,
                                  bool live = false) {
    std::vector<double> latencies;
    for (int i = 0; i < 8; ++i) {
        synth.AllNotesOff();
        std::this_thread::sleep_for(1000ms);  // the previous note's release and reverb
        if (fromIdle) {
            const auto limit = Clock::now() + 10s;
            while (synth.AudioRunning() && Clock::now() < limit) {
                std::this_thread::sleep_for(10ms);
            }
        }
        monitor.Arm();
        const auto start = Clock::now();
        if (live) {
            synth.Send(NoteOnMessage(kLiveChannel, 72, kFullVelocity));
        } else {
            synth.NoteOn(72, kFullVelocity);
        }
        if (auto heard = monitor.WaitForSound(1s)) {
            latencies.push_back(Ms(*heard - start));
        }
    }
    synth.AllNotesOff();
    return latencies;
}

// A key played on a MIDI keyboard sounds on a channel of its own, in the piano here; the hop
// from the MIDI system to the GUI thread is not part of this figure.
void MeasureLiveLatency(const Args& args, Monitor& monitor) {
    FluidSynthOptions options;
    options.openInBackground = false;
    options.periodSize = args.period;
    options.idleStop = 0ms;
    FluidSynthMidiOut synth{options};
    synth.Open();
    if (!synth.AudioRunning()) {
        return;
    }
    synth.Send(ProgramChangeMessage(kLiveChannel, 0));
    const auto latencies = NoteLatencies(synth, monitor, false, true);
    if (!latencies.empty()) {
        Summary("  live note on channel 2, driver running", latencies, "ms");
    }
}

void MeasureLatency(const Args& args) {
    Monitor monitor;
    if (!monitor.Start()) {
        std::printf("latency: no PulseAudio server to record from\n");
        return;
    }
    // A new record stream delivers its first fragments late; let it settle first.
    std::this_thread::sleep_for(2s);
    // Running: the driver never stops. Restarted: it stops 300 ms after the last voice ends,
    // so every note finds it stopped.
    for (bool fromIdle : {false, true}) {
        FluidSynthOptions options;
        options.openInBackground = false;
        options.periodSize = args.period;
        options.idleStop = fromIdle ? 300ms : 0ms;
        FluidSynthMidiOut synth{options};
        synth.Open();
        if (!synth.AudioRunning()) {
            std::printf("latency: no audio driver started\n");
            return;
        }
        synth.ProgramChange(16);
        std::printf("note-on latency, driver '%s', period %d frames, monitor fragment %d frames\n",
                    synth.AudioDriverName().c_str(), options.periodSize, Monitor::kFragmentFrames);
        const auto latencies = NoteLatencies(synth, monitor, fromIdle);
        if (!latencies.empty()) {
            Summary(fromIdle ? "  driver restarted by the note" : "  driver running", latencies,
                    "ms");
        }
    }
    MeasureLiveLatency(args, monitor);
}

void MeasureCpu(const Args& args) {
    const auto seconds = std::chrono::duration<double>(args.seconds);
    for (bool idleStop : {false, true}) {
        FluidSynthOptions options;
        options.openInBackground = false;
        options.periodSize = args.period;
        options.idleStop = idleStop ? 1000ms : 0ms;
        FluidSynthMidiOut synth{options};
        synth.Open();
        if (!synth.AudioRunning()) {
            std::printf("cpu: no audio driver started\n");
            return;
        }
        synth.ProgramChange(0);
        synth.NoteOn(60, kFullVelocity);  // loads the instrument, then silence
        std::this_thread::sleep_for(200ms);
        synth.AllNotesOff();
        // Past the release, the idle second and the driver's teardown.
        std::this_thread::sleep_for(idleStop ? 5000ms : 1000ms);
        const double self = ProcessCpuSeconds(), server = ServerCpuSeconds(args.serverPid);
        const auto start = Clock::now();
        std::this_thread::sleep_for(seconds);
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        std::printf("idle CPU, %s, driver %s, period %d: vorlane %.2f%%",
                    idleStop ? "idle stop after 1 s" : "driver kept running",
                    synth.AudioRunning() ? "running" : "stopped", args.period,
                    100.0 * (ProcessCpuSeconds() - self) / wall);
        if (args.serverPid > 0) {
            std::printf(", audio server %.2f%%",
                        100.0 * (ServerCpuSeconds(args.serverPid) - server) / wall);
        }
        std::printf(" of a core over %.1f s\n", wall);
    }
}

// The three sounds of the app on the live audio output, for a capture of the sink's monitor:
// organ C major 48-52-55 held 1.5 s, the same an octave up, then piano (400 ms a note) and
// guitar (100 ms a note) arpeggios of 48-52-55, each followed by 800 ms and a reset.
void Play(const Args& args) {
    FluidSynthOptions options;
    options.openInBackground = false;
    options.periodSize = args.period;
    FluidSynthMidiOut synth{options};
    synth.Open();
    std::printf("play: driver '%s'\n", synth.AudioDriverName().c_str());
    std::this_thread::sleep_for(2500ms);  // PulseAudio's null sink needs 2 s to settle
    auto chord = [&](std::uint8_t program, std::vector<int> notes, std::chrono::milliseconds step,
                     std::chrono::milliseconds hold) {
        synth.AllNotesOff();
        synth.ProgramChange(program);
        for (int note : notes) {
            synth.NoteOn(static_cast<std::uint8_t>(note), kFullVelocity);
            std::this_thread::sleep_for(step);
        }
        std::this_thread::sleep_for(hold);
        synth.AllNotesOff();
        std::this_thread::sleep_for(500ms);
    };
    chord(16, {48, 52, 55}, 0ms, 1500ms);
    chord(16, {60, 64, 67}, 0ms, 1500ms);
    chord(0, {48, 52, 55}, 400ms, 800ms);
    chord(24, {48, 52, 55}, 100ms, 800ms);
}

Args Parse(int argc, char** argv) {
    Args args;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seconds" && hasValue) {
            args.seconds = std::atof(argv[++i]);
        } else if (arg == "--server-pid" && hasValue) {
            args.serverPid = std::atoi(argv[++i]);
        } else if (arg == "--period" && hasValue) {
            args.period = std::atoi(argv[++i]);
        } else if (arg == "--drop-caches") {
            args.dropCaches = true;
        } else {
            args.what.push_back(arg);
        }
    }
    return args;
}

}  // namespace
}  // namespace vorlane::bench

int main(int argc, char** argv) {
    using namespace vorlane::bench;
    const Args args = Parse(argc, argv);
    if (const auto* api = vorlane::synth::LoadFluidApi(vorlane::DefaultSynthLibrary())) {
        vorlane::synth::RouteLog(*api);
    }
    auto wanted = [&](const std::string& what) {
        return args.what.empty() ||
               std::find(args.what.begin(), args.what.end(), what) != args.what.end();
    };
    if (wanted("load")) {
        MeasureLoad(args);
    }
    if (wanted("open")) {
        MeasureOpen(args);
    }
    if (wanted("latency")) {
        MeasureLatency(args);
    }
    if (wanted("cpu")) {
        MeasureCpu(args);
    }
    if (!args.what.empty() && wanted("play")) {
        Play(args);
    }
    return 0;
}
