#include "practice/played_keys.h"

namespace vorlane {

PlayedKeys::PlayedKeys(ui::EventLoop& loop, ChordHandler onChord)
    : loop_(loop), onChord_(std::move(onChord)), self_(std::make_shared<PlayedKeys*>(this)) {}

void PlayedKeys::Receive(const MidiMessage& message) {
    const int channel = message.Channel();
    switch (message.Kind()) {
        case kNoteOnStatus:
            if (message.data2 > 0) {
                Press(channel, message.data1 & kDataMask);
            } else {
                Release(channel, message.data1 & kDataMask);
            }
            break;
        case kNoteOffStatus:
            Release(channel, message.data1 & kDataMask);
            break;
        case kControlChangeStatus:
            if (message.data1 == kAllNotesOffController ||
                message.data1 == kAllSoundOffController) {
                for (int note = 0; note < kNotes; ++note) {
                    Release(channel, note);
                }
            }
            break;
        default:
            break;
    }
}

std::vector<int> PlayedKeys::HeldNotes() const {
    std::vector<int> notes;
    for (int note = 0; note < kNotes; ++note) {
        for (int channel = 0; channel < kChannels; ++channel) {
            if (held_.test(static_cast<std::size_t>(channel * kNotes + note))) {
                notes.push_back(note);
                break;
            }
        }
    }
    return notes;
}

void PlayedKeys::Press(int channel, int note) {
    held_.set(static_cast<std::size_t>(channel * kNotes + note));
    ArmNaming();
}

void PlayedKeys::Release(int channel, int note) {
    const auto bit = static_cast<std::size_t>(channel * kNotes + note);
    if (!held_.test(bit)) {
        return;
    }
    held_.reset(bit);
    // A key let go before the chord settled changes the set still to be named.
    if (namingPending_) {
        ArmNaming();
    }
}

void PlayedKeys::ArmNaming() {
    namingPending_ = true;
    const std::uint64_t generation = ++generation_;
    std::weak_ptr<PlayedKeys*> alive = self_;
    loop_.RunAfter(kSettleMs, [alive, generation] {
        if (auto self = alive.lock()) {
            (*self)->Settle(generation);
        }
    });
}

void PlayedKeys::Settle(std::uint64_t generation) {
    if (generation != generation_) {
        return;  // the keys changed since: a later check names them
    }
    namingPending_ = false;
    const std::vector<int> notes = HeldNotes();
    if (const std::optional<NamedChord> chord = NameChord(notes)) {
        onChord_(*chord);
    }
}

}  // namespace vorlane
