#include "practice/played_input.h"

namespace vorlane {

PlayedInput::PlayedInput(ui::EventLoop& gui, Hooks hooks)
    : gui_(gui), hooks_(std::move(hooks)), self_(std::make_shared<PlayedInput*>(this)) {}

void PlayedInput::OnMessage(SourceId source, const MidiMessage& message) {
    if (hooks_.isEcho && hooks_.isEcho(message)) {
        return;
    }
    if (hooks_.sound != nullptr) {
        hooks_.sound->Play(message);
    }
    const std::lock_guard lock(mutex_);
    const HeldKeys::Change change = held_.Receive(source, message);
    if (change.changed || change.pressed) {
        Changed(change.pressed);
    }
}

void PlayedInput::OnSourceGone(SourceId source) {
    const std::lock_guard lock(mutex_);
    const HeldKeys::Left left = held_.Forget(source);
    if (hooks_.sound != nullptr) {
        // A note another source still holds sounds on: it ends with that source's release.
        for (const HeldKeys::Key& key : left.keys) {
            if (!held_.NoteHeldByOthers(source, key.note)) {
                hooks_.sound->End(key.note);
            }
        }
        if (left.pedal && !held_.PedalByOthers(source)) {
            hooks_.sound->LiftPedal();
        }
    }
    if (!left.keys.empty()) {
        Changed(false);
    }
}

void PlayedInput::OnSystemChanged() {
    OnGui([](PlayedInput& self) {
        if (self.hooks_.onSystemChanged) {
            self.hooks_.onSystemChanged();
        }
    });
}

void PlayedInput::OnGui(std::function<void(PlayedInput&)> task, std::int64_t delayMs) {
    std::weak_ptr<PlayedInput*> alive = self_;
    auto run = [alive, task = std::move(task)] {
        if (auto self = alive.lock()) {
            task(**self);
        }
    };
    if (delayMs < 0) {
        gui_.Post(std::move(run));
    } else {
        gui_.RunAfter(delayMs, std::move(run));
    }
}

void PlayedInput::Changed(bool pressed) {
    pressedSince_ = pressedSince_ || pressed;
    lastChangeMs_ = gui_.NowMs();
    if (posted_) {
        return;  // the update on its way will carry this change too
    }
    posted_ = true;
    OnGui([](PlayedInput& self) { self.Deliver(); });
}

void PlayedInput::Deliver() {
    const std::int64_t now = gui_.NowMs();
    if (now < lastDeliveryMs_ + kFrameMs) {
        OnGui([](PlayedInput& self) { self.Deliver(); }, lastDeliveryMs_ + kFrameMs - now);
        return;
    }
    Update update;
    {
        const std::lock_guard lock(mutex_);
        update.held = held_.Notes();
        update.pressed = pressedSince_;
        update.changedAtMs = lastChangeMs_;
        pressedSince_ = false;
        posted_ = false;
    }
    lastDeliveryMs_ = now;
    if (hooks_.onUpdate) {
        hooks_.onUpdate(update);
    }
}

}  // namespace vorlane
