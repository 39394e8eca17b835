#pragma once

#include "midi/midi_in.h"

namespace vorlane {

// A MIDI input played by the test: what it sends reaches the receiver at once, as the real
// input hands it to the GUI thread. With available false it acts as if no MIDI system ran.
class FakeMidiIn final : public MidiIn {
  public:
    bool available = true;

    bool Open(Receiver receiver) override;
    void Close() override { receiver_ = nullptr; }
    bool IsOpen() const { return static_cast<bool>(receiver_); }

    void Send(MidiMessage message);
    void NoteOn(int note, int velocity = 100, int channel = 0);
    void NoteOff(int note, int channel = 0);
    void Pedal(bool down, int channel = 0);

  private:
    Receiver receiver_;
};

}  // namespace vorlane
