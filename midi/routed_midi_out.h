#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "midi/echo_guard.h"
#include "midi/midi_out.h"
#include "midi/midi_out_port.h"

namespace vorlane {

// The window's MIDI output: sends every message either to the built-in synth or, through
// Vorlane's output port, to the destination the user chose. A real instrument has no reset
// call, so this keeps track of the notes it left sounding there and ends them itself. The GUI
// thread sends the chords and the input's thread the player's notes: every call is locked.
class RoutedMidiOut final : public MidiOut {
  public:
    using Clock = std::function<std::int64_t()>;  // milliseconds

    // Without a port (no MIDI system) everything goes to the synth.
    RoutedMidiOut(MidiOut& synth, MidiOutPort* port, Clock clock = {});

    void Open() override;
    void AllNotesOff() override;
    void Close() override;
    void Send(const MidiMessage& message) override;
    // To the synth instead while the destination echoes what it gets.
    void SendLive(const MidiMessage& message) override;

    // Whether an incoming message is the destination sending back what it was just sent.
    bool TakeEcho(const MidiMessage& message);

    // Where the sound goes, as the window tells the user.
    struct Status {
        std::string choice;     // the chosen destination; empty for the built-in synth
        bool external = false;  // the sound goes to it right now; false while it is absent
        bool echoing = false;   // it echoes: the player's notes go to the synth
        friend bool operator==(const Status&, const Status&) = default;
    };
    Status CurrentStatus() const;
    std::string Choice() const { return CurrentStatus().choice; }
    bool SendsToDestination() const { return CurrentStatus().external; }
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
    void RecheckLocked();
    void SendLocked(const MidiMessage& message, bool live);
    // Whether the message went to the destination; when not, the caller gives it to the synth.
    bool ToDestination(const MidiMessage& message);
    bool Attach();
    void Detach();
    void SilenceDestination();
    void RestorePrograms();
    std::int64_t Now() const;

    mutable std::mutex mutex_;
    MidiOut& synth_;
    MidiOutPort* port_;
    Clock clock_;
    std::string choice_;
    bool external_ = false;
    bool open_ = false;
    EchoGuard echo_;
    // What the instrument must be told again when the sound moves: programs per channel.
    std::array<std::optional<std::uint8_t>, kMidiChannels> programs_{};
    std::array<std::bitset<kMidiNotes>, kMidiChannels> sounding_{};
    std::bitset<kMidiChannels> sustained_;
    std::bitset<kMidiChannels> channelsUsed_;
};

}  // namespace vorlane
