#include "practice/played_keys.h"

namespace vorlane {

PlayedKeys::PlayedKeys(ui::EventLoop& loop, SettledHandler onSettled)
    : loop_(loop), onSettled_(std::move(onSettled)), self_(std::make_shared<PlayedKeys*>(this)) {}

void PlayedKeys::Update(std::vector<int> held, bool pressed, std::int64_t changedAtMs) {
    const bool changed = held != held_;
    held_ = std::move(held);
    // A key let go before the chord settled changes the set still to be named.
    if (pressed || (changed && settlingPending_)) {
        ArmSettling(changedAtMs);
    }
}

void PlayedKeys::ArmSettling(std::int64_t changedAtMs) {
    settlingPending_ = true;
    const std::uint64_t generation = ++generation_;
    std::weak_ptr<PlayedKeys*> alive = self_;
    loop_.RunAfter(changedAtMs + kSettleMs - loop_.NowMs(), [alive, generation] {
        if (auto self = alive.lock()) {
            (*self)->Settle(generation);
        }
    });
}

void PlayedKeys::Settle(std::uint64_t generation) {
    if (generation != generation_) {
        return;  // the keys changed since: a later check settles them
    }
    settlingPending_ = false;
    onSettled_({held_, NameChord(held_)});
}

}  // namespace vorlane
