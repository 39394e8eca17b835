#pragma once

#include <atomic>
#include <memory>

#include "app/main_window.h"
#include "app/window_midi.h"
#include "tests/support/memory_chord_file_system.h"
#include "tests/support/memory_settings_store.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_event_loop.h"
#include "ui/qt/qt_window_view.h"

namespace vorlane::bench {

// A MIDI output that only counts what it is sent, from any thread.
class CountingMidiOut final : public MidiOut {
  public:
    void Open() override {}
    void AllNotesOff() override {}
    void Close() override {}
    void Send(const MidiMessage&) override { sent.fetch_add(1, std::memory_order_relaxed); }
    std::atomic<long> sent{0};
};

// The main window on Qt with the real MIDI input; the organ sounds the played notes.
struct FloodWindow {
    FloodWindow() {
        settings.Set("Midi", "Hammond");
        form = BuildMainWindow({midi.Output(), loop, dialogs, settings, files, kMemoryHome,
                                &midi.Output(), midi.Sources()});
        view = std::make_unique<ui::qt::QtWindowView>(form->window);
        loop.SetView(view.get());
        midi.Start(*form);
    }
    long Sent() const { return synth.sent.load(); }

    ui::qt::QtEventLoop loop;
    CountingMidiOut synth;
    WindowMidi midi{synth};
    ui::qt::QtDialogs dialogs;
    MemorySettingsStore settings;
    MemoryChordFileSystem files;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<ui::qt::QtWindowView> view;
};

}  // namespace vorlane::bench
