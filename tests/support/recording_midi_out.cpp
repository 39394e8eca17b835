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

void RecordingMidiOut::ProgramChange(std::uint8_t program) {
    if (open_ || recordWhileClosed) {
        Record(Kind::Message, {kProgramChangeStatus, program, 0});
    }
}

void RecordingMidiOut::NoteOn(std::uint8_t note, std::uint8_t velocity) {
    if (open_ || recordWhileClosed) {
        Record(Kind::Message, {kNoteOnStatus, note, velocity});
    }
}

void RecordingMidiOut::ChannelNoteOn(std::uint8_t channel, std::uint8_t note,
                                     std::uint8_t velocity) {
    if (open_ || recordWhileClosed) {
        Record(Kind::Message, {std::uint8_t(kNoteOnStatus | channel), note, velocity});
    }
}

void RecordingMidiOut::ChannelNoteOff(std::uint8_t channel, std::uint8_t note) {
    if (open_ || recordWhileClosed) {
        Record(Kind::Message, {std::uint8_t(kNoteOffStatus | channel), note, 0});
    }
}

void RecordingMidiOut::ChannelProgramChange(std::uint8_t channel, std::uint8_t program) {
    if (open_ || recordWhileClosed) {
        Record(Kind::Message, {std::uint8_t(kProgramChangeStatus | channel), program, 0});
    }
}

void RecordingMidiOut::ChannelControlChange(std::uint8_t channel, std::uint8_t controller,
                                            std::uint8_t value) {
    if (open_ || recordWhileClosed) {
        Record(Kind::Message, {std::uint8_t(kControlChangeStatus | channel), controller, value});
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
