#include "tests/support/fake_midi_in.h"

#include <cstdint>

namespace vorlane {

namespace {

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(value);
}

}  // namespace

bool FakeMidiIn::Open(Receiver receiver) {
    if (!available) {
        return false;
    }
    receiver_ = std::move(receiver);
    return true;
}

void FakeMidiIn::Send(MidiMessage message) {
    if (receiver_) {
        receiver_(message);
    }
}

void FakeMidiIn::NoteOn(int note, int velocity, int channel) {
    Send({Byte(0x90 | channel), Byte(note), Byte(velocity)});
}

void FakeMidiIn::NoteOff(int note, int channel) {
    Send({Byte(0x80 | channel), Byte(note), 64});
}

void FakeMidiIn::Pedal(bool down, int channel) {
    Send({Byte(0xB0 | channel), 64, Byte(down ? 127 : 0)});
}

}  // namespace vorlane
