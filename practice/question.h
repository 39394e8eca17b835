#pragma once

#include <cstdint>
#include <span>

#include "theory/chord_value.h"

namespace vorlane {

// The two drills: play the chord whose name is shown, or name the chord that sounds.
enum class Drill { PlayIt, NameIt };

// A chord as the record and the scheduler know it: how it sounds, whatever its spelling.
struct ChordKey {
    int root = 0;  // pitch class, 0 (C) .. 11 (B)
    ChordType type = ChordType::Major;
    Inversion inversion = Inversion::RootPosition;

    friend auto operator<=>(const ChordKey&, const ChordKey&) = default;
};

ChordKey KeyOf(const ChordValue& chord);
ChordValue ValueOf(const ChordKey& key, Spelling spelling);

// A set of pitch classes, bit p for pitch class p.
using PitchClasses = std::uint16_t;

PitchClasses PitchClassesOf(ChordType type, int rootPitchClass);
PitchClasses PitchClassesOf(std::span<const int> midiNotes);

constexpr int PitchClassOf(int midiNote) {
    return ((midiNote % 12) + 12) % 12;
}

// The pitch class the inversion puts lowest: the root, the second or the third tone.
int BassPitchClass(const ChordKey& key);

}  // namespace vorlane
