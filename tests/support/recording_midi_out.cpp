#include "tests/support/recording_midi_out.h"

namespace vorlane {

void RecordingMidiOut::Record(Kind kind, Message message) {
    const std::int64_t now = clock_ ? clock_() : 0;
    const std::lock_guard lock(mutex_);
    events_.push_back({kind, now, message});
}

std::vector<RecordingMidiOut::Event> RecordingMidiOut::Events() const {
    const std::lock_guard lock(mutex_);
    return events_;
}

void RecordingMidiOut::Clear() {
    const std::lock_guard lock(mutex_);
    events_.clear();
}

void RecordingMidiOut::Open() {
    open_ = true;
    Record(Kind::Open, {});
}

void RecordingMidiOut::AllNotesOff() {
    if (open_ || recordWhileClosed) {
        Record(Kind::AllNotesOff, {});
    }
}

void RecordingMidiOut::Close() {
    if (open_ || recordWhileClosed) {
        Record(Kind::Close, {});
    }
    open_ = false;
}

void RecordingMidiOut::Send(const MidiMessage& message) {
    if (open_ || recordWhileClosed) {
        Record(Kind::Message, message);
    }
}

std::vector<int> RecordingMidiOut::NotesOn() const {
    std::vector<int> notes;
    for (const Event& e : Events()) {
        if (e.IsNoteOn()) {
            notes.push_back(e.message.data1);
        }
    }
    return notes;
}

}  // namespace vorlane
