#pragma once

#include <cstdint>

#include "theory/notes.h"

namespace vorlane {

// The one MIDI output of the program. Every call is fire-and-forget: failures are silent, and
// calls before Open or after Close do nothing.
class MidiOut {
  public:
    virtual ~MidiOut() = default;
    virtual void Open() = 0;
    virtual void AllNotesOff() = 0;  // ends every sounding note on every channel
    virtual void Close() = 0;
    virtual void ProgramChange(std::uint8_t program) = 0;               // channel 1
    virtual void NoteOn(std::uint8_t note, std::uint8_t velocity) = 0;  // channel 1

    // Notes played live on a MIDI keyboard, on a channel (0..15) apart from the chords'.
    virtual void ChannelNoteOn(std::uint8_t channel, std::uint8_t note, std::uint8_t velocity) = 0;
    virtual void ChannelNoteOff(std::uint8_t channel, std::uint8_t note) = 0;
    virtual void ChannelProgramChange(std::uint8_t channel, std::uint8_t program) = 0;
    virtual void ChannelControlChange(std::uint8_t channel, std::uint8_t controller,
                                      std::uint8_t value) = 0;
};

inline constexpr std::uint8_t kProgramChangeStatus = 0xC0;
inline constexpr std::uint8_t kNoteOnStatus = 0x90;
inline constexpr std::uint8_t kNoteOffStatus = 0x80;
inline constexpr std::uint8_t kControlChangeStatus = 0xB0;
inline constexpr std::uint8_t kSustainController = 64;
inline constexpr std::uint8_t kFullVelocity = 127;

// The MIDI note of key k: 48 (lowest C) to 83, or 60 to 95 an octave higher.
constexpr int KeyNote(KeyNumber k, bool octaveHigher) {
    return (octaveHigher ? 59 : 47) + k;
}
constexpr KeyNumber KeyOfNote(int note, bool octaveHigher) {
    return note - (octaveHigher ? 59 : 47);
}

// No device: everything is ignored.
class SilentMidiOut final : public MidiOut {
  public:
    void Open() override {}
    void AllNotesOff() override {}
    void Close() override {}
    void ProgramChange(std::uint8_t) override {}
    void NoteOn(std::uint8_t, std::uint8_t) override {}
    void ChannelNoteOn(std::uint8_t, std::uint8_t, std::uint8_t) override {}
    void ChannelNoteOff(std::uint8_t, std::uint8_t) override {}
    void ChannelProgramChange(std::uint8_t, std::uint8_t) override {}
    void ChannelControlChange(std::uint8_t, std::uint8_t, std::uint8_t) override {}
};

}  // namespace vorlane
