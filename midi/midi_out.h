#pragma once

#include <cstdint>

#include "midi/midi_message.h"
#include "theory/notes.h"

namespace vorlane {

// The one MIDI output of the program. Every call is fire-and-forget: failures are silent, and
// calls before Open or after Close do nothing.
class MidiOut {
  public:
    virtual ~MidiOut() = default;
    virtual void Open() = 0;
    virtual void AllNotesOff() = 0;  // ends every sounding note on every channel
    virtual void Close() = 0;
    virtual void Send(const MidiMessage& message) = 0;
    // A note the player plays (not the window's chord); an output that finds its destination
    // echoing such notes back keeps them from it.
    virtual void SendLive(const MidiMessage& message) { Send(message); }

    // The chords' channel.
    void ProgramChange(std::uint8_t program) { Send(ProgramChangeMessage(kChordChannel, program)); }
    void NoteOn(std::uint8_t note, std::uint8_t velocity) {
        Send(NoteOnMessage(kChordChannel, note, velocity));
    }
};

// The MIDI note of key k: 48 (lowest C) to 83, or 60 to 95 an octave higher.
constexpr int KeyNote(KeyNumber k, bool octaveHigher) {
    return (octaveHigher ? 59 : 47) + k;
}
constexpr KeyNumber KeyOfNote(int note, bool octaveHigher) {
    return note - (octaveHigher ? 59 : 47);
}

// No device: everything is ignored.
class SilentMidiOut final : public MidiOut {
  public:
    void Open() override {}
    void AllNotesOff() override {}
    void Close() override {}
    void Send(const MidiMessage&) override {}
};

}  // namespace vorlane
