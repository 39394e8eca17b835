#include "midi/echo_guard.h"

namespace vorlane {

namespace {

// A device may send a note-off back as a note-on with velocity 0 or the other way round.
bool SameMessage(const MidiMessage& a, const MidiMessage& b) {
    if (a.IsNoteOff() && b.IsNoteOff()) {
        return a.Channel() == b.Channel() && a.data1 == b.data1;
    }
    return a == b;
}

}  // namespace

void EchoGuard::Sent(const MidiMessage& message, std::int64_t nowMs) {
    recent_[next_] = {message, nowMs, false};
    next_ = (next_ + 1) % recent_.size();
}

bool EchoGuard::TakeEcho(const MidiMessage& message, std::int64_t nowMs) {
    for (Entry& entry : recent_) {
        if (!entry.taken && nowMs - entry.atMs <= kWindowMs &&
            SameMessage(entry.message, message)) {
            entry.taken = true;
            ++echoes_;
            return true;
        }
    }
    return false;
}

}  // namespace vorlane
