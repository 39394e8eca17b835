// Measures how the built-in synth lives through its audio server on a private PulseAudio
// server (null sink, recorded with parecord): how soon a chord is heard once a killed server is
// back, and how long Close takes while the server is frozen (SIGSTOP).
//
//   vorlane_sound_server_bench [--rounds N]     (needs pulseaudio and pulseaudio-utils)
//
// "Heard" is when the recording of the sink's monitor first holds 50 ms above -40 dBFS, polled
// every 5 ms; parecord's 20 ms fragments are part of the figure.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "midi/fluidsynth/fluidsynth_midi_out.h"
#include "tests/sound/pulse_server.h"

namespace vorlane::bench {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
using testing::PulseServer;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Summary(const char* what, std::vector<double> values) {
    if (values.empty()) {
        std::printf("%-52s no result\n", what);
        return;
    }
    std::sort(values.begin(), values.end());
    std::printf("%-52s median %7.1f ms  min %7.1f  max %7.1f  (n=%zu)\n", what,
                values[values.size() / 2], values.front(), values.back(), values.size());
}

void Chord(FluidSynthMidiOut& synth, std::uint8_t root) {
    synth.AllNotesOff();
    synth.ProgramChange(16);
    for (int step : {0, 4, 7}) {
        synth.NoteOn(static_cast<std::uint8_t>(root + step), kFullVelocity);
    }
}

// The time from NoteOn to the chord on the monitor, or -1 if it never comes.
double HeardAfter(PulseServer& server, FluidSynthMidiOut& synth, std::uint8_t root) {
    const std::size_t from = server.RecordedFrames();
    const auto start = Clock::now();
    Chord(synth, root);
    return server.HearsSoundAfter(from, 10s) ? Ms(Clock::now() - start) : -1.0;
}

FluidSynthOptions OptionsFor(const PulseServer& server) {
    FluidSynthOptions options;
    options.openInBackground = false;
    options.audioDrivers = {"pulseaudio"};
    options.stringSettings = {{"audio.pulseaudio.server", server.Address()}};
    return options;
}

void MeasureRestart(int rounds) {
    std::vector<double> atOnce, twoSecondsLater, recorderStart;
    for (int i = 0; i < rounds; ++i) {
        PulseServer server;
        server.Start();
        FluidSynthMidiOut synth{OptionsFor(server)};
        synth.Open();
        HeardAfter(server, synth, 48);
        server.Kill();  // while the organ holds the chord
        std::this_thread::sleep_for(1s);
        server.Start();
        if (const double ms = HeardAfter(server, synth, 60); ms >= 0) {
            atOnce.push_back(ms);
        }
        server.Kill();
        std::this_thread::sleep_for(1s);
        server.Start();
        const auto back = Clock::now();
        if (testing::WaitUntil([&] { return server.RecordedFrames() > 0; }, 10s)) {
            recorderStart.push_back(Ms(Clock::now() - back));
        }
        std::this_thread::sleep_until(back + 2s);
        if (const double ms = HeardAfter(server, synth, 55); ms >= 0) {
            twoSecondsLater.push_back(ms);
        }
        synth.Close();
    }
    Summary("restarted server: chord played as it is back, heard", atOnce);
    Summary("restarted server: chord played 2 s later, heard", twoSecondsLater);
    // The first figure cannot be below this one: the monitor records nothing before.
    Summary("restarted server: parecord's first data", recorderStart);
}

void MeasureFrozenClose(int rounds) {
    std::vector<double> atOnce, afterStall;
    for (int i = 0; i < rounds; ++i) {
        for (bool waitForStall : {false, true}) {
            PulseServer server;
            server.Start();
            FluidSynthMidiOut synth{OptionsFor(server)};
            synth.Open();
            HeardAfter(server, synth, 48);
            server.Freeze();
            if (waitForStall) {
                testing::WaitUntil([&] { return !synth.AudioRunning(); }, 10s);
            }
            const auto start = Clock::now();
            synth.Close();
            (waitForStall ? afterStall : atOnce).push_back(Ms(Clock::now() - start));
            server.Resume();
            FluidSynthMidiOut::WaitForBackgroundThreads(10s);
        }
    }
    Summary("frozen server: Close() right after SIGSTOP", atOnce);
    Summary("frozen server: Close() once the stall is noticed", afterStall);
}

}  // namespace
}  // namespace vorlane::bench

int main(int argc, char** argv) {
    int rounds = 5;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--rounds") {
            rounds = std::max(1, std::atoi(argv[++i]));
        }
    }
    if (!vorlane::testing::PulseServer::Installed()) {
        std::puts("needs pulseaudio and parecord (scripts/install-deps installs them)");
        return 1;
    }
    vorlane::bench::MeasureRestart(rounds);
    vorlane::bench::MeasureFrozenClose(rounds);
    return 0;
}
