#pragma once

#include <string>
#include <string_view>

#include "theory/chord_value.h"
#include "theory/notes.h"

namespace vorlane {

// The key a progression is read in: its tonic (1..12, C..B) and major or natural minor.
struct MusicalKey {
    KeyNumber tonic = 1;
    bool minor = false;

    friend bool operator==(const MusicalKey&, const MusicalKey&) = default;
};

// Written with sharps: G, D, A, E, B, F# major and their relative minors (E, B, F#, C#, G#,
// D# minor). Every other key, C major and A minor included, takes the flat column.
bool WrittenWithSharps(const MusicalKey& key);

// Sharp when the key is written with sharps, else flat.
Spelling SpellingOf(const MusicalKey& key);

// The tonic's name in the key's own column: "F#", "Eb".
std::string_view TonicName(const MusicalKey& key);

// The chord's Roman numeral in the key: the root's degree, upper case with a major third (or
// none), lower case with a minor third, "°" diminished, "+" augmented, then the type's
// extension: "V7", "ii7", "IVmaj7", "vii°", "i(maj7)". A root outside the key is written as a
// lowered or raised degree, "bVII", "#IV"; the rule for which is in the .cpp.
std::string RomanNumeral(const ChordValue& chord, const MusicalKey& key);

// The key moved by semitones (either way), its mode kept.
MusicalKey TransposedKey(const MusicalKey& key, int semitones);

// The chord moved by semitones: the root wraps within 1..12, type and inversion stay, and the
// root is spelled in the column of keyAfter.
ChordValue Transposed(const ChordValue& chord, int semitones, const MusicalKey& keyAfter);

}  // namespace vorlane
