#pragma once

#include <memory>

#include "midi/midi_out.h"
#include "midi/routed_midi_out.h"
#include "ui/event_loop.h"

namespace vorlane {

class MainWindow;
class MidiConnection;
class MidiSources;

// The window's MIDI: sound routed between the built-in synth and a destination the user chose,
// and one MIDI system (input, output port and sources list) that is probed only once the window
// is on screen and reopened when its server comes back. Without MIDI support in the build, the
// sound simply stays on the synth.
class WindowMidi {
  public:
    explicit WindowMidi(MidiOut& synth);
    ~WindowMidi();
    WindowMidi(const WindowMidi&) = delete;
    WindowMidi& operator=(const WindowMidi&) = delete;

    RoutedMidiOut& Output() { return *output_; }
    MidiSources* Sources();  // null without MIDI support
    MidiConnection* Connection() { return connection_.get(); }

    // Listens with the window and starts looking for the MIDI system; the window stops
    // listening when it is destroyed.
    void Start(MainWindow& form);

  private:
    std::unique_ptr<MidiConnection> connection_;
    std::unique_ptr<RoutedMidiOut> output_;
};

}  // namespace vorlane
