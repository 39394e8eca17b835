// The work behind one edit or export of a 1,000-chord list: smooth voicing over the whole
// list (redone after every edit while it is on), the playback plan, the MIDI file, and
// reading a saved list back.
//
//   build/dev/bench/progression/bench_progression --benchmark_repetitions=5
//       --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include "progression/midi_file.h"
#include "settings/chord_list.h"
#include "tests/support/random_chords.h"

namespace {

using namespace vorlane;

const std::vector<ChordValue>& Thousand() {
    static const std::vector<ChordValue> chords = testing::RandomChords(1000, 2006);
    return chords;
}

void BM_SmoothVoicings(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(SmoothVoicings(Thousand()));
    }
}
BENCHMARK(BM_SmoothVoicings)->Unit(benchmark::kMillisecond);

void BM_PlanPlayback(benchmark::State& state) {
    const PlaybackOptions options{.mode = SoundMode::PianoArpeggio, .smoothVoicing = true};
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlanPlayback(Thousand(), options));
    }
}
BENCHMARK(BM_PlanPlayback)->Unit(benchmark::kMillisecond);

void BM_ExportMidiFile(benchmark::State& state, bool smooth) {
    const PlaybackOptions options{.smoothVoicing = smooth};
    for (auto _ : state) {
        benchmark::DoNotOptimize(StandardMidiFileBytes(Thousand(), options));
    }
}
BENCHMARK_CAPTURE(BM_ExportMidiFile, root_positions, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportMidiFile, smooth, true)->Unit(benchmark::kMillisecond);

void BM_ReadChordList(benchmark::State& state) {
    const std::string bytes = ChordListFileBytes(Thousand(), Language::French);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadChordList(bytes));
    }
}
BENCHMARK(BM_ReadChordList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
