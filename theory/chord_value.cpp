#include "theory/chord_value.h"

#include "theory/scale.h"

namespace vorlane {

Inversion EffectiveInversion(const ChordValue& chord) {
    return RowOf(chord.type).invertible ? chord.inversion : Inversion::RootPosition;
}

std::string ChordName(const ChordValue& chord) {
    std::string name{NoteName(chord.root, chord.spelling)};
    name += RowOf(chord.type).suffix;
    return name;
}

std::string ChordNoteNames(const ChordValue& chord) {
    std::string notes;
    for (KeyNumber key : ChordToneKeys(chord.type, ComputeDegreeKeys(chord.root))) {
        if (!notes.empty()) {
            notes += " - ";
        }
        notes += NoteName(key, chord.spelling);
    }
    return notes;
}

std::string ChordLine(std::string_view chordCaption, const ChordValue& chord) {
    return BuildChordLine(chordCaption, chord.type, ComputeDegreeKeys(chord.root), chord.spelling);
}

std::vector<PlacedTone> PlaceChord(const ChordValue& chord) {
    return PlaceChordTones(chord.type, ComputeDegreeKeys(chord.root), chord.inversion);
}

}  // namespace vorlane
