#pragma once

#include <QApplication>
#include <chrono>
#include <functional>
#include <memory>
#include <string_view>

#include "app/main_window.h"
#include "app/window_midi.h"
#include "settings/settings_rules.h"
#include "tests/support/memory_chord_file_system.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_midi_out.h"
#include "ui/dialogs.h"
#include "ui/qt/qt_event_loop.h"

namespace vorlane::testing {

class NoDialogs final : public ui::Dialogs {
  public:
    bool RunSaveDialog(ui::SaveDialog&) override { return false; }
    bool RunOpenDialog(ui::OpenDialog&) override { return false; }
    void ShowError(std::string_view, std::string_view) override {}
    void ShowAbout(const ui::AboutInfo&) override {}
};

// What a window needs besides its MIDI output: a Qt application and event loop, no dialogs,
// settings and files in memory. The organ is the stored sound, so chords sound at once.
struct WindowServices {
    WindowServices() { settings.Set("Midi", "Hammond"); }

    int argc = 1;
    char name[22] = "midi_end_to_end_tests";
    char* argv[2] = {name, nullptr};
    QApplication application{argc, argv};
    ui::qt::QtEventLoop loop;
    NoDialogs dialogs;
    MemorySettingsStore settings;
    MemoryChordFileSystem files;
};

// The window with the real MIDI system and a recording built-in synth, sound stored on an
// output when one is given, started as the program starts it.
struct RigWindow {
    explicit RigWindow(std::string_view output = {}) {
        if (!output.empty()) {
            w.settings.Set(OutputValueName, output);
        }
        form = BuildMainWindow({midi.Output(), w.loop, w.dialogs, w.settings, w.files, kMemoryHome,
                                &midi.Output(), midi.Sources()});
        form->window.Show();
        midi.Start(*form);
    }
    // Runs the event loop until done says so or the time is up; returns done's last word.
    static bool Within(std::chrono::milliseconds limit, const std::function<bool()>& done) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!done() && std::chrono::steady_clock::now() < end) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return done();
    }
    // Whether the synth got this message.
    bool SynthGot(const MidiMessage& message) const {
        for (const RecordingMidiOut::Event& e : synth.Events()) {
            if (e.kind == RecordingMidiOut::Kind::Message && e.message == message) {
                return true;
            }
        }
        return false;
    }

    WindowServices w;
    RecordingMidiOut synth;
    WindowMidi midi{synth};
    std::unique_ptr<MainWindow> form;
};

}  // namespace vorlane::testing
