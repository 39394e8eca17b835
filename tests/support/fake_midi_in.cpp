#include "tests/support/fake_midi_in.h"

#include <cstdint>

namespace vorlane {

namespace {

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(value);
}

}  // namespace

bool FakeMidiIn::Open(MidiInHandler& handler) {
    if (!available) {
        return false;
    }
    handler_ = &handler;
    return true;
}

void FakeMidiIn::Send(MidiMessage message, SourceId source) {
    if (handler_ != nullptr) {
        handler_->OnMessage(source, message);
    }
}

void FakeMidiIn::NoteOn(int note, int velocity, int channel, SourceId source) {
    Send({Byte(0x90 | channel), Byte(note), Byte(velocity)}, source);
}

void FakeMidiIn::NoteOff(int note, int channel, SourceId source) {
    Send({Byte(0x80 | channel), Byte(note), 64}, source);
}

void FakeMidiIn::Pedal(bool down, int channel, SourceId source) {
    Send({Byte(0xB0 | channel), 64, Byte(down ? 127 : 0)}, source);
}

void FakeMidiIn::Gone(SourceId source) {
    if (handler_ != nullptr) {
        handler_->OnSourceGone(source);
    }
}

}  // namespace vorlane
