#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "midi/midi_out.h"
#include "progression/playback.h"
#include "ui/event_loop.h"

namespace vorlane {

// Plays a chord list in time on the event loop, as the playback plan times it: the messages
// of each tick together, each tick scheduled against the start of its pass through the list,
// so nothing drifts however long it plays, and over again from the top when looping. Without
// sound it sends nothing but still steps through the chords.
class ListPlayer {
  public:
    ListPlayer(MidiOut& midi, ui::EventLoop& eventLoop);
    ListPlayer(const ListPlayer&) = delete;
    ListPlayer& operator=(const ListPlayer&) = delete;

    // Starts at the chord firstRow, now; whatever played before stops.
    void Play(std::span<const ChordValue> chords, const PlaybackOptions& options, bool loop,
              std::size_t firstRow = 0);
    // Silences every note; nothing more comes.
    void Stop();
    bool Playing() const { return playing_; }
    // Takes effect at the end of the pass.
    void SetLoop(bool loop) { loop_ = loop; }

    // A chord starts: its row and where its keys stand.
    std::function<void(std::size_t row, const Voicing& voicing)> onChord;
    // The list has played to its end, or Stop was called.
    std::function<void()> onStop;

  private:
    // The messages of one tick, and the chord starting on it if any.
    struct Step {
        std::int64_t tick = 0;
        std::size_t firstMessage = 0;
        std::size_t endMessage = 0;
        std::optional<std::size_t> chord;
    };
    void ScheduleStep(std::size_t step);
    void RunStep(std::size_t step);

    MidiOut& midi_;
    ui::EventLoop& eventLoop_;
    PlaybackPlan plan_;
    std::vector<Step> steps_;
    double msPerTick_ = 0;
    double passStartMs_ = 0;  // when tick 0 of the current pass is due
    bool sound_ = false;
    bool loop_ = false;
    bool playing_ = false;
    // Tasks of an earlier playback, or of a player that is gone, find their token expired.
    std::shared_ptr<int> token_ = std::make_shared<int>(0);
};

}  // namespace vorlane
