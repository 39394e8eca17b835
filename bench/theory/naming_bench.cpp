// Naming a played chord, the work done for every change of the held keys.
//
//   build/dev/bench/theory/bench_naming --benchmark_repetitions=5
//       --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <vector>

#include "theory/chord_naming.h"

namespace {

// A spread C13 (every type and root is tried before the first exact match is final) and a
// seven-note cluster that names nothing (the fifth-less search runs too).
void BM_NameSevenNotes(benchmark::State& state, std::vector<int> notes) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(vorlane::NameChord(notes));
    }
}
BENCHMARK_CAPTURE(BM_NameSevenNotes, c13, std::vector<int>{36, 52, 58, 62, 65, 69, 79});
BENCHMARK_CAPTURE(BM_NameSevenNotes, cluster, std::vector<int>{60, 61, 62, 63, 64, 65, 66});

}  // namespace

BENCHMARK_MAIN();
