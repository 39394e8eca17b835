#include "tests/support/recording_midi_out.h"

namespace vorlane {

void RecordingMidiOut::Record(Kind kind, std::uint32_t message) {
    events_.push_back({kind, clock_ ? clock_() : 0, message});
}

void RecordingMidiOut::Open() {
    open_ = true;
    Record(Kind::Open, 0);
}

void RecordingMidiOut::Reset() {
    if (open_ || recordWhileClosed) {
        Record(Kind::Reset, 0);
    }
}

void RecordingMidiOut::Close() {
    if (open_ || recordWhileClosed) {
        Record(Kind::Close, 0);
    }
    open_ = false;
}

void RecordingMidiOut::ProgramChange(std::uint8_t program) {
    if (open_ || recordWhileClosed) {
        Record(Kind::ShortMessage, PackShortMessage(kProgramChangeStatus, program));
    }
}

void RecordingMidiOut::NoteOn(std::uint8_t note, std::uint8_t velocity) {
    if (open_ || recordWhileClosed) {
        Record(Kind::ShortMessage, PackShortMessage(kNoteOnStatus, note, velocity));
    }
}

std::vector<int> RecordingMidiOut::NotesOn() const {
    std::vector<int> notes;
    for (const Event& e : events_) {
        if (e.kind == Kind::ShortMessage && (e.message & 0xFF) == kNoteOnStatus) {
            notes.push_back(static_cast<int>((e.message >> 8) & 0xFF));
        }
    }
    return notes;
}

}  // namespace vorlane
