#include "app/window_midi.h"

#include "app/main_window.h"
#ifdef VORLANE_WITH_MIDI_INPUT
#include "midi/rtmidi/midi_connection.h"
#endif

namespace vorlane {

#ifdef VORLANE_WITH_MIDI_INPUT

WindowMidi::WindowMidi(MidiOut& synth)
    : connection_(std::make_unique<MidiConnection>()),
      output_(std::make_unique<RoutedMidiOut>(synth, connection_.get())) {}

MidiSources* WindowMidi::Sources() {
    return connection_.get();
}

void WindowMidi::Start(MainWindow& form) {
    form.ListenTo(*connection_);
    connection_->Start();
}

#else

WindowMidi::WindowMidi(MidiOut& synth) : output_(std::make_unique<RoutedMidiOut>(synth, nullptr)) {}

MidiSources* WindowMidi::Sources() {
    return nullptr;
}

void WindowMidi::Start(MainWindow&) {}

#endif

// The connection goes before the output that sends through it.
WindowMidi::~WindowMidi() {
    connection_.reset();
}

}  // namespace vorlane
