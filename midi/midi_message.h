#pragma once

#include <cstdint>

// The MIDI protocol numbers the program uses, named once.
namespace vorlane {

inline constexpr std::uint8_t kStatusKindMask = 0xF0;
inline constexpr std::uint8_t kChannelMask = 0x0F;
inline constexpr std::uint8_t kDataMask = 0x7F;

inline constexpr std::uint8_t kNoteOffStatus = 0x80;
inline constexpr std::uint8_t kNoteOnStatus = 0x90;
inline constexpr std::uint8_t kControlChangeStatus = 0xB0;
inline constexpr std::uint8_t kProgramChangeStatus = 0xC0;

inline constexpr std::uint8_t kSustainController = 64;
inline constexpr std::uint8_t kSostenutoController = 66;
inline constexpr std::uint8_t kAllSoundOffController = 120;
inline constexpr std::uint8_t kAllNotesOffController = 123;

inline constexpr std::uint8_t kFullVelocity = 127;
inline constexpr int kMidiChannels = 16;
inline constexpr int kMidiNotes = 128;

// The channel the chords sound on (MIDI channel 1, counted from 0 here).
inline constexpr std::uint8_t kChordChannel = 0;

// One channel message (running status already expanded). A program change has no second data
// byte; it is 0 here.
struct MidiMessage {
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;

    int Kind() const { return status & kStatusKindMask; }
    int Channel() const { return status & kChannelMask; }
    // A note-on with velocity 0 is a note-off.
    bool IsNoteOn() const { return Kind() == kNoteOnStatus && (data2 & kDataMask) > 0; }
    bool IsNoteOff() const {
        return Kind() == kNoteOffStatus || (Kind() == kNoteOnStatus && (data2 & kDataMask) == 0);
    }
    friend bool operator==(const MidiMessage&, const MidiMessage&) = default;
};

constexpr MidiMessage ChannelMessage(std::uint8_t kind, std::uint8_t channel, std::uint8_t data1,
                                     std::uint8_t data2 = 0) {
    return {static_cast<std::uint8_t>((kind & kStatusKindMask) | (channel & kChannelMask)),
            static_cast<std::uint8_t>(data1 & kDataMask),
            static_cast<std::uint8_t>(data2 & kDataMask)};
}
constexpr MidiMessage NoteOnMessage(std::uint8_t channel, std::uint8_t note,
                                    std::uint8_t velocity) {
    return ChannelMessage(kNoteOnStatus, channel, note, velocity);
}
constexpr MidiMessage NoteOffMessage(std::uint8_t channel, std::uint8_t note) {
    return ChannelMessage(kNoteOffStatus, channel, note, 0);
}
constexpr MidiMessage ProgramChangeMessage(std::uint8_t channel, std::uint8_t program) {
    return ChannelMessage(kProgramChangeStatus, channel, program, 0);
}
constexpr MidiMessage ControlChangeMessage(std::uint8_t channel, std::uint8_t controller,
                                           std::uint8_t value) {
    return ChannelMessage(kControlChangeStatus, channel, controller, value);
}

}  // namespace vorlane
