#include "practice/held_keys.h"

namespace vorlane {

HeldKeys::Change HeldKeys::Receive(SourceId source, const MidiMessage& message) {
    const int channel = message.Channel();
    const int note = message.data1 & kDataMask;
    Hands& hands = sources_[source];
    if (message.IsNoteOn()) {
        const bool was = hands.keys.test(Bit(channel, note));
        hands.keys.set(Bit(channel, note));
        return {true, !was};
    }
    if (message.IsNoteOff()) {
        const bool was = hands.keys.test(Bit(channel, note));
        hands.keys.reset(Bit(channel, note));
        return {false, was};
    }
    if (message.Kind() != kControlChangeStatus) {
        return {};
    }
    if (message.data1 == kSustainController) {
        hands.pedals.set(static_cast<std::size_t>(channel), message.data2 >= 64);
        return {};
    }
    if (message.data1 == kAllNotesOffController || message.data1 == kAllSoundOffController) {
        bool changed = false;
        for (int n = 0; n < kNotes; ++n) {
            changed = changed || hands.keys.test(Bit(channel, n));
            hands.keys.reset(Bit(channel, n));
        }
        return {false, changed};
    }
    return {};
}

HeldKeys::Left HeldKeys::Forget(SourceId source) {
    Left left;
    const auto it = sources_.find(source);
    if (it == sources_.end()) {
        return left;
    }
    for (int channel = 0; channel < kChannels; ++channel) {
        for (int note = 0; note < kNotes; ++note) {
            if (it->second.keys.test(Bit(channel, note))) {
                left.keys.push_back({channel, note});
            }
        }
    }
    left.pedal = it->second.pedals.any();
    sources_.erase(it);
    return left;
}

std::vector<int> HeldKeys::Notes() const {
    std::bitset<kNotes> notes;
    for (const auto& [source, hands] : sources_) {
        for (int channel = 0; channel < kChannels; ++channel) {
            for (int note = 0; note < kNotes; ++note) {
                if (hands.keys.test(Bit(channel, note))) {
                    notes.set(static_cast<std::size_t>(note));
                }
            }
        }
    }
    std::vector<int> sorted;
    for (int note = 0; note < kNotes; ++note) {
        if (notes.test(static_cast<std::size_t>(note))) {
            sorted.push_back(note);
        }
    }
    return sorted;
}

bool HeldKeys::NoteHeldByOthers(SourceId source, int note) const {
    for (const auto& [other, hands] : sources_) {
        for (int channel = 0; other != source && channel < kChannels; ++channel) {
            if (hands.keys.test(Bit(channel, note))) {
                return true;
            }
        }
    }
    return false;
}

bool HeldKeys::PedalByOthers(SourceId source) const {
    for (const auto& [other, hands] : sources_) {
        if (other != source && hands.pedals.any()) {
            return true;
        }
    }
    return false;
}

}  // namespace vorlane
