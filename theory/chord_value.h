#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "theory/chord.h"
#include "theory/chord_types.h"
#include "theory/notes.h"

namespace vorlane {

// One chord as a musician chose it: its root (key 1..12, C..B), the column of names that
// spells it, its type and its inversion. A click, a chord played on a MIDI keyboard, a row of
// the chord list and a practice question all carry one of these; text is made from it only
// when it is shown or saved.
struct ChordValue {
    KeyNumber root = 1;
    Spelling spelling = Spelling::Flat;
    ChordType type = ChordType::Major;
    Inversion inversion = Inversion::RootPosition;

    friend bool operator==(const ChordValue&, const ChordValue&) = default;
};

// The inversion as it sounds: types that cannot be inverted are always in root position.
Inversion EffectiveInversion(const ChordValue& chord);

// The name as the chord line writes it, root and suffix: "Dm7", "C° (DIM)", "F#13".
std::string ChordName(const ChordValue& chord);

// The notes in table order, named as in root position: "D - F - A - C".
std::string ChordNoteNames(const ChordValue& chord);

// "<caption><name>:   <notes>", the chord line of the window and of the saved list.
std::string ChordLine(std::string_view chordCaption, const ChordValue& chord);

// The tones as the keyboard places them, the inversion applied where the type allows it.
std::vector<PlacedTone> PlaceChord(const ChordValue& chord);

}  // namespace vorlane
