#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "midi/midi_message.h"
#include "midi/sound_mode.h"
#include "progression/voicing.h"
#include "theory/chord_value.h"

namespace vorlane {

inline constexpr int kTicksPerQuarter = 480;

inline constexpr int kLowestTempo = 40;
inline constexpr int kHighestTempo = 240;
inline constexpr int kFewestBeatsPerChord = 1;
inline constexpr int kMostBeatsPerChord = 8;

// How a list is played and exported.
struct PlaybackOptions {
    int bpm = 90;           // kLowestTempo..kHighestTempo
    int beatsPerChord = 4;  // kFewestBeatsPerChord..kMostBeatsPerChord
    SoundMode mode = SoundMode::HammondOrgan;
    bool octaveHigher = false;
    bool smoothVoicing = false;
};

struct TimedMessage {
    std::int64_t tick = 0;
    MidiMessage message;
};

// One chord of the plan: its span of ticks and the keys it sounds.
struct PlannedChord {
    std::int64_t startTick = 0;
    std::int64_t endTick = 0;
    Voicing voicing;
};

struct PlaybackPlan {
    std::vector<PlannedChord> chords;
    std::vector<TimedMessage> messages;  // in the order to send, ticks never decreasing
    std::int64_t endTick = 0;
};

// The one timing of a list, for live playback and the MIDI file alike. Chord n starts at tick
// n x beats x 480. The organ (and no sound) holds every note for the chord's length; piano and
// guitar sound the notes one after another, root first, at equal steps over the first beat,
// and hold them to the chord's end. Every note is released by its chord's end, and on one tick
// note-offs come before note-ons, so a tone two chords share sounds again. Notes go to
// kChordChannel at full velocity; the caller chooses the program. Beats outside 1..8 are
// taken as the nearest of them.
PlaybackPlan PlanPlayback(std::span<const ChordValue> chords, const PlaybackOptions& options);

// The tempo is taken within 40..240.
double MillisecondsPerTick(int bpm);

}  // namespace vorlane
