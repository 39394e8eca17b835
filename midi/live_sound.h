#pragma once

#include <atomic>
#include <cstdint>

#include "midi/midi_out.h"
#include "midi/sound_mode.h"

namespace vorlane {

// What the player plays sounds at once, on a channel of its own, in the instrument of the
// sound mode (the piano when the chords are silent: a player who plugs in a keyboard expects
// to hear it). Played from the input's thread; the mode may change from any thread.
class LiveSound {
  public:
    static constexpr std::uint8_t kLiveChannel = 1;  // MIDI channel 2: the chords play on 1

    explicit LiveSound(MidiOut& out) : out_(out) {}

    void FollowMode(SoundMode mode) { program_ = GeneralMidiProgram(mode).value_or(kPiano); }
    // Sounds a played message: notes and the pedal, whatever channel they came on.
    void Play(const MidiMessage& played);
    // Ends a note or lifts the pedal whose source went away.
    void End(int note) { out_.SendLive(NoteOffMessage(kLiveChannel, std::uint8_t(note))); }
    void LiftPedal() { out_.SendLive(ControlChangeMessage(kLiveChannel, kSustainController, 0)); }

  private:
    static constexpr std::uint8_t kPiano = 0;

    MidiOut& out_;
    std::atomic<int> program_{kPiano};
    int sentProgram_ = -1;  // input thread only
};

}  // namespace vorlane
