#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "theory/chord_naming.h"
#include "ui/event_loop.h"

namespace vorlane {

// The keys held down on the MIDI sources, on the GUI thread, settled: once they have stayed the
// same for a moment after a key went down, they are named as a chord (or found to name none),
// so that a chord struck with slightly uneven fingers is named once. Releasing keys settles
// nothing, though it delays a settling under way. The sustain pedal holds no key.
class PlayedKeys {
  public:
    static constexpr std::int64_t kSettleMs = 60;

    // The held notes once settled, lowest first, and the chord they name, if any.
    struct Settled {
        std::vector<int> notes;
        std::optional<NamedChord> chord;
    };
    using SettledHandler = std::function<void(const Settled&)>;

    PlayedKeys(ui::EventLoop& loop, SettledHandler onSettled);
    PlayedKeys(const PlayedKeys&) = delete;
    PlayedKeys& operator=(const PlayedKeys&) = delete;

    // The notes held now, lowest first, whether a key went down since the last update, and
    // when the keys last changed (the loop's clock; the settling counts from then).
    void Update(std::vector<int> held, bool pressed, std::int64_t changedAtMs);
    const std::vector<int>& HeldNotes() const { return held_; }

  private:
    void ArmSettling(std::int64_t changedAtMs);
    void Settle(std::uint64_t generation);

    ui::EventLoop& loop_;
    SettledHandler onSettled_;
    std::vector<int> held_;
    std::uint64_t generation_ = 0;
    bool settlingPending_ = false;
    std::shared_ptr<PlayedKeys*> self_;  // scheduled checks hold a weak reference to this
};

}  // namespace vorlane
