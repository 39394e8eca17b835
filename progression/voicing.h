#pragma once

#include <span>
#include <vector>

#include "theory/chord.h"
#include "theory/chord_value.h"

namespace vorlane {

// A chord as it stands on the keyboard: its tones in chord-table order, each with its degree
// (which picks its marker) and its key 1..36.
using Voicing = std::vector<PlacedTone>;

std::vector<KeyNumber> KeysOf(const Voicing& voicing);

// The semitones the voices move from one chord to the next, the notes taken in any order.
// Chords of equal size pair their notes lowest to lowest. Otherwise it is the smallest
// non-crossing relation in which every note of both chords takes part (D. Tymoczko, "The
// Geometry of Musical Chords", Science 313, 2006). 0 when either chord is empty.
int VoiceLeadingDistance(std::span<const KeyNumber> a, std::span<const KeyNumber> b);

// Every placement of the chord on the keyboard: root position and, for the types that can be
// inverted, the two inversions, each at every octave where all its keys lie within 1..36.
std::vector<Voicing> CandidateVoicings(const ChordValue& chord);

// One voicing per chord, chosen over the whole list at once. The first keeps the placement the
// user chose (its inversion); each later one is a candidate placement, so that the sum over
// consecutive chords of the voice-leading distance plus half a semitone for every semitone a
// chord's centre (mean key) lies from the first chord's is smallest. Among equal sums the
// placement nearer the first chord's centre wins.
std::vector<Voicing> SmoothVoicings(std::span<const ChordValue> chords);

}  // namespace vorlane
