#pragma once

#include <span>
#include <string>

#include "progression/playback.h"
#include "theory/chord_value.h"

namespace vorlane {

// The list as a Standard MIDI File (format 1, 480 ticks per quarter note). Track 0 holds the
// name "Vorlane", the tempo and a 4/4 time signature; track 1 the program of the sound mode
// on channel 1 (the piano's where the mode has no sound, the chords then held as the organ
// holds them), a marker with each chord's name at its start and the notes of PlanPlayback.
std::string StandardMidiFileBytes(std::span<const ChordValue> chords,
                                  const PlaybackOptions& options);

}  // namespace vorlane
