#include "tests/support/recording_midi_out.h"

namespace vorlane {

void RecordingMidiOut::Record(Kind kind, Message message) {
    events_.push_back({kind, clock_ ? clock_() : 0, message});
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
    for (const Event& e : events_) {
        if (e.IsNoteOn()) {
            notes.push_back(e.message.data1);
        }
    }
    return notes;
}

}  // namespace vorlane
