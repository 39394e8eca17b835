#pragma once

#include <bitset>
#include <map>
#include <vector>

#include "midi/midi_in.h"

namespace vorlane {

// The keys each source holds down and whether its sustain pedal is down, per channel. Sources
// are kept apart, so one that goes away takes only its own keys with it.
class HeldKeys {
  public:
    struct Key {
        int channel = 0;
        int note = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    // What a message did: a key went down, or the set of held notes changed at all.
    struct Change {
        bool pressed = false;
        bool changed = false;
    };

    Change Receive(SourceId source, const MidiMessage& message);
    // Forgets the source; returns the keys it held, and whether it held a pedal down.
    struct Left {
        std::vector<Key> keys;
        bool pedal = false;
    };
    Left Forget(SourceId source);

    // The notes held now by any source on any channel, lowest first, each once.
    std::vector<int> Notes() const;
    // Whether a source other than this one holds the note (on any channel) or a pedal down.
    bool NoteHeldByOthers(SourceId source, int note) const;
    bool PedalByOthers(SourceId source) const;

  private:
    static constexpr int kChannels = kMidiChannels;
    static constexpr int kNotes = kMidiNotes;
    static std::size_t Bit(int channel, int note) {
        return static_cast<std::size_t>(channel * kNotes + note);
    }

    struct Hands {
        std::bitset<kChannels * kNotes> keys;
        std::bitset<kChannels> pedals;
    };
    std::map<SourceId, Hands> sources_;
};

}  // namespace vorlane
