// One full selection (every output recomputed and the chord sent to a recording MIDI
// output) for every root button, chord type and inversion.
//
//   build/dev/bench/app/bench_selection --benchmark_repetitions=10
//       --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include "app/main_window.h"
#include "tests/support/memory_chord_file_system.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_midi_out.h"
#include "tests/support/virtual_event_loop.h"

namespace vorlane {
namespace {

class NoDialogs final : public ui::Dialogs {
  public:
    bool RunSaveDialog(ui::SaveDialog&) override { return false; }
    bool RunOpenDialog(ui::OpenDialog&) override { return false; }
    void ShowError(std::string_view, std::string_view) override {}
    void ShowAbout(const ui::AboutInfo&) override {}
};

void BM_HandleSelection(benchmark::State& state) {
    ui::VirtualEventLoop loop;
    RecordingMidiOut midi{[&loop] { return loop.NowMs(); }};
    NoDialogs dialogs;
    MemorySettingsStore settings;
    settings.Set("Midi", "Hammond");  // sounds at once: no arpeggio waits
    MemoryChordFileSystem files;
    auto form = BuildMainWindow({midi, loop, dialogs, settings, files, kMemoryHome});
    form->window.Show();

    struct Choice {
        ui::Control* root;
        ui::Control* variation;
        int inversion;
    };
    std::vector<Choice> choices;
    for (auto* buttons : {&form->FlatRootButtons, &form->SharpRootButtons}) {
        for (ui::Control* root : *buttons) {
            for (ui::Control* variation : form->VariationButtons) {
                for (int inversion = 0; inversion < 3; ++inversion) {
                    choices.push_back({root, variation, inversion});
                }
            }
        }
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const Choice& c = choices[next];
        next = (next + 1) % choices.size();
        form->window.SetChecked(*c.root, true);
        form->window.SetChecked(*c.variation, true);
        form->InversionSelector->selectedItem = c.inversion;
        form->HandleSelection();
        if (midi.Events().size() > 4096) {
            midi.Clear();
        }
    }
    benchmark::DoNotOptimize(form->ChordLineLabel->text);
    state.counters["combinations"] = static_cast<double>(choices.size());
}
BENCHMARK(BM_HandleSelection)->MinTime(0.5);

}  // namespace
}  // namespace vorlane

BENCHMARK_MAIN();
