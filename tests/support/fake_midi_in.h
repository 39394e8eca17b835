#pragma once

#include "midi/midi_in.h"

namespace vorlane {

// A MIDI input played by the test: what it sends reaches the handler at once, on the test's
// thread. Sources are numbered by the test; with available false it acts as if no MIDI system
// ran.
class FakeMidiIn final : public MidiIn {
  public:
    bool available = true;

    bool Open(MidiInHandler& handler) override;
    void Close() override { handler_ = nullptr; }
    bool IsOpen() const { return handler_ != nullptr; }

    void Send(MidiMessage message, SourceId source = 1);
    void NoteOn(int note, int velocity = 100, int channel = 0, SourceId source = 1);
    void NoteOff(int note, int channel = 0, SourceId source = 1);
    void Pedal(bool down, int channel = 0, SourceId source = 1);
    void Gone(SourceId source);

  private:
    MidiInHandler* handler_ = nullptr;
};

}  // namespace vorlane
