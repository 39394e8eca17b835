#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "midi/midi_out.h"
#include "midi/sound_mode.h"
#include "theory/chord.h"
#include "ui/event_loop.h"

namespace vorlane {

// One tone of the chord on show: the marker that shows it, its key and its note name.
struct ShownTone {
    int slot = 0;  // KeyMarkers index
    KeyNumber key = 0;
    std::string name;
};

// Sounds the chord on show in the current sound mode. The organ holds every tone at once; an
// arpeggio sounds one tone after another on the event loop's clock, says which one sounds,
// and ends a tail later with every note off. Without sound it only silences what sounds.
class ChordPlayer {
  public:
    ChordPlayer(MidiOut& midi, ui::EventLoop& eventLoop);
    ChordPlayer(const ChordPlayer&) = delete;
    ChordPlayer& operator=(const ChordPlayer&) = delete;

    // Silences what sounds and sets the mode's instrument. A mode without arpeggio also ends
    // the arpeggio's hold on the player, though its last steps still come.
    void ChangeMode(SoundMode mode);
    SoundMode Mode() const { return mode_; }

    // Sounds the tones: the organ lowest key first, an arpeggio in marker order from the root.
    // An arpeggio is played in root position only.
    void Play(const std::vector<ShownTone>& tones, bool octaveHigher, Inversion inversion);

    // True from an arpeggio's first note until it has ended.
    bool Playing() const { return playing_; }

    // The arpeggio's steps, for the window to follow: before its first note, as each tone
    // sounds, and once every note is off.
    std::function<void()> onArpeggioStart;
    std::function<void(const ShownTone&)> onArpeggioTone;
    std::function<void()> onArpeggioEnd;

  private:
    void StartArpeggio(std::vector<ShownTone> tones, bool octaveHigher);
    void FinishArpeggio();
    // Runs the task after delayMs unless this player is gone by then.
    void RunLater(std::int64_t delayMs, std::function<void()> task);

    MidiOut& midi_;
    ui::EventLoop& eventLoop_;
    SoundMode mode_ = SoundMode::NoSound;
    bool playing_ = false;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace vorlane
