#pragma once

#include <optional>
#include <span>

#include "theory/chord.h"
#include "theory/chord_types.h"

namespace vorlane {

// A chord found for a set of played notes. rootPitchClass is 0 (C) to 11 (B).
struct NamedChord {
    int rootPitchClass = 0;
    ChordType type{};
    Inversion inversion = Inversion::RootPosition;
    bool fifthOmitted = false;  // the notes are the type's tones without its perfect fifth

    bool operator==(const NamedChord&) const = default;
};

// Names played MIDI notes (any octaves, doublings allowed) with the chord-type table: the
// chord whose tones are exactly the notes' pitch classes (failing that, the fuller chord the
// notes make without its perfect fifth), preferring the one the lowest note fits best (as
// its root, then as the bass of the first, then of the second inversion), then the root
// closest above the lowest note, then the earlier type. None for an empty set or a set that
// names no chord.
std::optional<NamedChord> NameChord(std::span<const int> midiNotes);

// The keyboard's root key (1..12) of a pitch class.
constexpr KeyNumber RootKeyOf(int pitchClass) {
    return pitchClass + 1;
}

}  // namespace vorlane
