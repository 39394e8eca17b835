// When the chords of a looping 100-chord list start, against their beats: on virtual time (the
// scheduling alone) and on Qt's real event loop with both windows on screen and following
// every chord (target: every chord within 5 ms of its beat, and no drift from pass to pass).
//
//   QT_QPA_PLATFORM=offscreen build/dev/bench/chord_list/bench_list_timing [bpm] [passes]
//   xvfb-run build/dev/bench/chord_list/bench_list_timing 240 2

#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "bench/chord_list/bench_app.h"
#include "tests/support/virtual_event_loop.h"

namespace {

using namespace vorlane;

constexpr int kChords = 100;

void Fill(MainWindow& form) {
    const ChordValue cycle[] = {{1, Spelling::Flat, ChordType::Major, Inversion::RootPosition},
                                {10, Spelling::Flat, ChordType::Minor7, Inversion::RootPosition},
                                {3, Spelling::Flat, ChordType::Minor7, Inversion::RootPosition},
                                {8, Spelling::Flat, ChordType::Seventh, Inversion::RootPosition}};
    for (int i = 0; i < kChords; ++i) {
        form.SelectChord(cycle[i % 4], PlayPolicy::Silent);
        form.RememberChord();
    }
}

// The first note-on of each chord: notes sent together are one onset.
std::vector<double> Onsets(const RecordingMidiOut& midi, double unitsPerMs) {
    std::vector<double> onsets;
    double last = -1e18;
    for (const auto& e : midi.Events()) {
        if (e.IsNoteOn()) {
            const double at = static_cast<double>(e.timeMs) / unitsPerMs;
            if (at - last > 2.0) {
                onsets.push_back(at);
            }
            last = at;
        }
    }
    return onsets;
}

void Report(const char* what, const std::vector<double>& onsets, double start, double msPerChord,
            int passes) {
    std::vector<double> late;
    for (std::size_t n = 0; n < onsets.size(); ++n) {
        late.push_back(onsets[n] - (start + static_cast<double>(n) * msPerChord));
    }
    std::vector<double> sorted = late;
    std::sort(sorted.begin(), sorted.end(),
              [](double a, double b) { return std::abs(a) < std::abs(b); });
    const auto over =
        std::count_if(late.begin(), late.end(), [](double l) { return std::abs(l) > 5.0; });
    auto mean = [&](std::size_t from, std::size_t to) {
        double sum = 0;
        for (std::size_t i = from; i < to; ++i) {
            sum += late[i];
        }
        return sum / static_cast<double>(to - from);
    };
    const std::size_t n = late.size();
    std::printf("%s: %zu onsets of %d (%d passes of %d chords, %.1f ms apart)\n", what, n,
                passes * kChords, passes, kChords, msPerChord);
    if (n < 20) {
        return;
    }
    std::printf("  |error| median %.3f ms, p99 %.3f ms, max %.3f ms; %ld over 5 ms\n",
                std::abs(sorted[n / 2]), std::abs(sorted[n * 99 / 100]), std::abs(sorted.back()),
                static_cast<long>(over));
    std::printf("  mean error of the first 10 chords %.3f ms, of the last 10 %.3f ms (drift)\n",
                mean(0, 10), mean(n - 10, n));
    for (std::size_t i = 0; i < n; ++i) {
        if (std::abs(late[i]) > 5.0) {
            std::printf("  chord %zu: %+.3f ms\n", i, late[i]);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int bpm = argc > 1 ? std::atoi(argv[1]) : 240;
    const int passes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 2;
    const double msPerChord = 60'000.0 / bpm;

    {
        // The scheduling alone, on virtual time: 90 BPM, where every beat rounds.
        ui::VirtualEventLoop loop;
        RecordingMidiOut midi{[&loop] { return loop.NowMs(); }};
        bench::AnsweringDialogs dialogs;
        MemorySettingsStore settings;
        MemoryChordFileSystem files;
        settings.Set("Midi", "Hammond");
        files.AddDirectory(kMemoryHome);
        auto form = BuildMainWindow({midi, loop, dialogs, settings, files, kMemoryHome});
        ChordListController list(*form, {midi, loop, dialogs, files, kMemoryHome, settings});
        form->window.Show();
        Fill(*form);
        list.SetTempo(90);
        list.SetBeatsPerChord(1);
        list.SetLooping(true);
        midi.Clear();
        const double start = static_cast<double>(loop.NowMs());
        list.Play();
        loop.AdvanceTo(loop.NowMs() + std::int64_t(3 * kChords * 667 - 300));
        Report("virtual time, 90 BPM", Onsets(midi, 1.0), start, 60'000.0 / 90, 3);
    }

    bench::BenchApp app;
    Fill(*app.form);
    app.list->SetTempo(bpm);
    app.list->SetBeatsPerChord(1);
    app.list->SetLooping(true);
    app.midi.Clear();
    const double start = static_cast<double>(bench::NowUs()) / 1000.0;
    app.list->Play();
    QTimer::singleShot(static_cast<int>(passes * kChords * msPerChord - msPerChord / 2),
                       Qt::PreciseTimer, [] { QCoreApplication::quit(); });
    QApplication::exec();
    char what[96];
    std::snprintf(what, sizeof what, "Qt event loop, %d BPM, %s platform", bpm,
                  QGuiApplication::platformName().toUtf8().constData());
    Report(what, Onsets(app.midi, 1000.0), start, msPerChord, passes);
    return 0;
}
