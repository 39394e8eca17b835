#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "midi/live_sound.h"
#include "practice/held_keys.h"
#include "ui/event_loop.h"

namespace vorlane {

// The played-keys path on the input's thread: the keys each source holds, sounded at once by
// the live sound without waiting for the GUI, and told to the GUI thread at most once a frame
// however fast they change: a flood of messages costs the GUI one update per frame and no
// queue. A source that goes away has its keys released.
class PlayedInput final : public MidiInHandler {
  public:
    static constexpr std::int64_t kFrameMs = 16;

    // The keys held now, lowest first, and whether a key went down since the last update.
    struct Update {
        std::vector<int> held;
        bool pressed = false;
        // When the last of these changes came in, on the GUI loop's clock: the update itself
        // may follow up to a frame later.
        std::int64_t changedAtMs = 0;
    };
    struct Hooks {
        LiveSound* sound = nullptr;  // none: nothing sounds
        // Whether a message is an echo of what Vorlane sent out; echoes are not played keys.
        std::function<bool(const MidiMessage&)> isEcho{};
        std::function<void(const Update&)> onUpdate{};  // on the GUI thread
        std::function<void()> onSystemChanged{};        // on the GUI thread
    };

    // gui: the GUI thread's loop; Post is the only call made on it from the input's thread.
    PlayedInput(ui::EventLoop& gui, Hooks hooks);
    PlayedInput(const PlayedInput&) = delete;
    PlayedInput& operator=(const PlayedInput&) = delete;

    void OnMessage(SourceId source, const MidiMessage& message) override;
    void OnSourceGone(SourceId source) override;
    void OnSystemChanged() override;

  private:
    // Runs the task on the GUI thread unless this is gone by then.
    void OnGui(std::function<void(PlayedInput&)> task, std::int64_t delayMs = -1);
    void Changed(bool pressed);  // with mutex_ held
    void Deliver();              // on the GUI thread

    ui::EventLoop& gui_;
    Hooks hooks_;
    std::mutex mutex_;
    HeldKeys held_;
    bool pressedSince_ = false;
    std::int64_t lastChangeMs_ = 0;
    bool posted_ = false;
    std::int64_t lastDeliveryMs_ = -kFrameMs;  // GUI thread only
    std::shared_ptr<PlayedInput*> self_;       // tasks in flight hold a weak reference to this
};

}  // namespace vorlane
