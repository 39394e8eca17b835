#include "practice/question.h"

#include "theory/scale.h"

namespace vorlane {

ChordKey KeyOf(const ChordValue& chord) {
    return {PitchClassOf(chord.root - 1), chord.type, EffectiveInversion(chord)};
}

ChordValue ValueOf(const ChordKey& key, Spelling spelling) {
    return {key.root + 1, spelling, key.type, key.inversion};
}

PitchClasses PitchClassesOf(ChordType type, int rootPitchClass) {
    PitchClasses set = 0;
    for (KeyNumber k : ChordToneKeys(type, ComputeDegreeKeys(rootPitchClass + 1))) {
        set |= static_cast<PitchClasses>(1u << PitchClassOf(k - 1));
    }
    return set;
}

PitchClasses PitchClassesOf(std::span<const int> midiNotes) {
    PitchClasses set = 0;
    for (int note : midiNotes) {
        set |= static_cast<PitchClasses>(1u << PitchClassOf(note));
    }
    return set;
}

int BassPitchClass(const ChordKey& key) {
    const ChordTypeRow& row = RowOf(key.type);
    const int index = row.invertible ? static_cast<int>(key.inversion) : 0;
    const ChordTone& tone = row.tones[static_cast<std::size_t>(index)];
    return PitchClassOf(key.root + MajorScaleOffsets[static_cast<std::size_t>(tone.degree)] +
                        tone.alteration);
}

}  // namespace vorlane
