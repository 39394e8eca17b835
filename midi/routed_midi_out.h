#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <vector>

#include "midi/midi_out.h"
#include "midi/midi_out_port.h"

namespace vorlane {

// The window's MIDI output: sends every message either to the built-in synth or, through
// Vorlane's output port, to the destination the user chose. A real instrument has no reset
// call, so this keeps track of the notes it left sounding there and ends them itself.
class RoutedMidiOut final : public MidiOut {
  public:
    // Without a port (no MIDI system) everything goes to the synth.
    RoutedMidiOut(MidiOut& synth, MidiOutPort* port);

    void Open() override;
    void AllNotesOff() override;
    void Close() override;
    void Send(const MidiMessage& message) override;

    // The chosen destination; empty for the built-in synth.
    const std::string& Choice() const { return choice_; }
    // Whether sound goes to the chosen destination right now; false while it is absent.
    bool SendsToDestination() const { return external_; }
    // The destinations a user can choose now.
    std::vector<std::string> Destinations() const;

    // Silences the current output and sends from now on to the destination, or to the synth
    // when it is empty. A destination that is not present is kept as the choice: the synth
    // plays until a Recheck finds it.
    void Choose(const std::string& destination);
    // Follows the chosen destination: back to the synth when it went away, to it again when
    // it is back.
    void Recheck();

  private:
    // Whether the message went to the destination; when not, the caller gives it to the synth.
    bool ToDestination(const MidiMessage& message);
    bool Attach();
    void Detach();
    void SilenceDestination();
    void RestorePrograms();

    MidiOut& synth_;
    MidiOutPort* port_;
    std::string choice_;
    bool external_ = false;
    bool open_ = false;
    // What the instrument must be told again when the sound moves: programs per channel.
    std::array<std::optional<std::uint8_t>, 16> programs_{};
    std::array<std::bitset<128>, 16> sounding_{};
    std::bitset<16> sustained_;
    std::bitset<16> channelsUsed_;
};

}  // namespace vorlane
