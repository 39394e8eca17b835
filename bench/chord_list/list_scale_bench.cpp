// A 1,000-chord list in the real windows: each edit timed from the call until its rows are
// laid out and painted (target under 16 ms), and the export to a real file (under 50 ms).
//
//   QT_QPA_PLATFORM=offscreen build/dev/bench/chord_list/bench_list_scale [repeats]
//   xvfb-run build/dev/bench/chord_list/bench_list_scale

#include <time.h>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "app/chord_list/chord_rows_view.h"
#include "bench/chord_list/bench_app.h"
#include "settings/chord_list.h"
#include "settings/qt/qt_chord_file_system.h"
#include "tests/support/random_chords.h"

namespace {

using namespace vorlane;

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Milliseconds from the call until the window has handled and painted what it changed: on
// the wall clock, and of the GUI thread's own CPU time (what a busy machine cannot add to).
struct Time {
    double wall;
    double cpu;
};
Time Timed(bench::BenchApp& app, const std::function<void()>& edit) {
    const std::int64_t start = bench::NowUs();
    const double cpu = ThreadCpuMs();
    edit();
    QCoreApplication::processEvents();
    app.window->repaint();
    return {static_cast<double>(bench::NowUs() - start) / 1000.0, ThreadCpuMs() - cpu};
}

void Report(const char* what, const std::vector<Time>& times, double target) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Time& t : times) {
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-40s wall median %6.2f max %6.2f ms; cpu max %6.2f ms  %s (target < %.0f ms)\n",
                what, wall[wall.size() / 2], wall.back(), cpu.back(),
                wall.back() < target ? "ok" : "OVER", target);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QTemporaryDir disk;
    QtChordFileSystem realFiles;
    bench::BenchApp app(&realFiles);
    ChordRowsView& rows = app.window->Rows();

    // A saved list of 1,000 chords (text knows no inversions).
    std::vector<ChordValue> chords = testing::RandomChords(1000, 18);
    for (ChordValue& chord : chords) {
        chord.inversion = Inversion::RootPosition;
    }
    const std::string listPath = disk.filePath(QStringLiteral("thousand.txt")).toStdString();
    realFiles.ReplaceFile(listPath, ChordListFileBytes(chords, Language::English));

    std::vector<Time> open;
    std::vector<Time> scroll;
    std::vector<Time> move;
    std::vector<Time> step;
    std::vector<Time> transpose;
    std::vector<Time> undo;
    std::vector<Time> remember;
    std::vector<Time> exportMidi;
    std::mt19937 random(1);
    for (int r = 0; r < repeats; ++r) {
        app.dialogs.answers = {listPath};
        open.push_back(Timed(app, [&] { app.list->OpenFile(); }));
        if (app.list->Chords().Size() != 1000) {
            std::fprintf(stderr, "the list did not open: %zu chords\n", app.list->Chords().Size());
            return 1;
        }
        QScrollBar* bar = rows.verticalScrollBar();
        for (int i = 0; i < 5; ++i) {
            const int to = std::uniform_int_distribution<int>(0, bar->maximum())(random);
            scroll.push_back(Timed(app, [&] { bar->setValue(to); }));
        }
        // One row dragged from the top to the bottom; every other row of 1,000 one place down.
        move.push_back(Timed(app, [&] { app.list->MoveRows(std::vector<std::size_t>{0}, 1000); }));
        std::vector<std::size_t> every;
        for (std::size_t i = 0; i < 1000; i += 2) {
            every.push_back(i);
        }
        step.push_back(Timed(app, [&] { app.list->StepRows(every, false); }));
        transpose.push_back(Timed(app, [&] { app.list->Transpose({}, 1); }));
        undo.push_back(Timed(app, [&] { app.list->Undo(); }));
        remember.push_back(Timed(app, [&] { app.form->window.Click(*app.form->RememberButton); }));
        app.form->HandleSelection();  // Remember again next time
        const std::string midiPath = disk.filePath(QStringLiteral("thousand.mid")).toStdString();
        app.dialogs.answers = {midiPath};
        exportMidi.push_back(Timed(app, [&] { app.list->ExportMidi(); }));
    }
    std::printf("1,000-chord list, %d repeats, %s platform\n", repeats,
                QGuiApplication::platformName().toUtf8().constData());
    Report("open (read, replace, lay out, paint)", open, 16);
    Report("scroll to a random place", scroll, 16);
    Report("move a row from the top to the end", move, 16);
    Report("move 500 rows one place down", step, 16);
    Report("transpose the whole list", transpose, 16);
    Report("undo the transposition", undo, 16);
    Report("remember a 1,001st chord", remember, 16);
    Report("export MIDI to a file (QSaveFile)", exportMidi, 50);
    return app.dialogs.errors == 0 ? 0 : 1;
}
