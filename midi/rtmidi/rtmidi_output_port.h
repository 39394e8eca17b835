#pragma once

#include <memory>
#include <string>
#include <vector>

#include "midi/midi_out_port.h"
#include "midi/rtmidi/midi_system.h"

class RtMidiOut;

namespace vorlane {

// Vorlane's output port "MIDI out" on RtMidi, next to its input on the same MIDI system. It is
// there from Open on; connecting it to a destination reopens it connected to that one alone.
class RtMidiOutputPort final : public MidiOutPort {
  public:
    static constexpr const char* kPortName = "MIDI out";

    // None when there is no MIDI system.
    static std::unique_ptr<RtMidiOutputPort> Open();
    ~RtMidiOutputPort() override;

    std::vector<std::string> Destinations() override;
    bool Connect(const std::string& destination) override;
    void Disconnect() override;
    bool Send(const MidiMessage& message) override;

  private:
    RtMidiOutputPort() = default;
    static void OnError(RtMidiError::Type type, const std::string& text, void* self);

    std::unique_ptr<MidiSystem> system_;
    std::unique_ptr<RtMidiOut> out_;
    bool failed_ = false;
};

}  // namespace vorlane
