#pragma once

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "midi/midi_in.h"
#include "theory/chord_naming.h"
#include "ui/event_loop.h"

namespace vorlane {

// The keys held down on the MIDI sources, named as a chord once they have stayed the same for
// a moment, so that a chord struck with slightly uneven fingers is named once. Only a pressed
// key arms the naming: releasing keys names nothing, though it delays a naming under way. The
// sustain pedal holds no key.
class PlayedKeys {
  public:
    using ChordHandler = std::function<void(const NamedChord&)>;
    static constexpr std::int64_t kSettleMs = 60;

    PlayedKeys(ui::EventLoop& loop, ChordHandler onChord);
    PlayedKeys(const PlayedKeys&) = delete;
    PlayedKeys& operator=(const PlayedKeys&) = delete;

    void Receive(const MidiMessage& message);
    // The MIDI notes held now, lowest first.
    std::vector<int> HeldNotes() const;

  private:
    static constexpr int kChannels = 16;
    static constexpr int kNotes = 128;

    void Press(int channel, int note);
    void Release(int channel, int note);
    void ArmNaming();
    void Settle(std::uint64_t generation);

    ui::EventLoop& loop_;
    ChordHandler onChord_;
    std::bitset<kChannels * kNotes> held_;
    std::uint64_t generation_ = 0;
    bool namingPending_ = false;
    std::shared_ptr<PlayedKeys*> self_;  // scheduled checks hold a weak reference to this
};

}  // namespace vorlane
