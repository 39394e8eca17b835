#include "theory/chord.h"

namespace vorlane {

namespace {

KeyNumber KeyOf(const ChordTone& tone, const DegreeKeys& degreeKeys) {
    return degreeKeys[static_cast<std::size_t>(tone.degree)] + tone.alteration;
}

constexpr int kOctave = 12;

}  // namespace

std::vector<KeyNumber> ChordToneKeys(ChordType type, const DegreeKeys& degreeKeys) {
    const ChordTypeRow& row = RowOf(type);
    std::vector<KeyNumber> keys;
    keys.reserve(static_cast<std::size_t>(row.toneCount));
    for (int i = 0; i < row.toneCount; ++i) {
        keys.push_back(KeyOf(row.tones[static_cast<std::size_t>(i)], degreeKeys));
    }
    return keys;
}

std::vector<PlacedTone> PlaceChordTones(ChordType type, const DegreeKeys& degreeKeys,
                                        Inversion inversion) {
    const ChordTypeRow& row = RowOf(type);
    // First inversion lifts the first tone, second inversion the first two.
    const int lifted = row.invertible ? static_cast<int>(inversion) : 0;
    std::vector<PlacedTone> placed;
    placed.reserve(static_cast<std::size_t>(row.toneCount));
    for (int i = 0; i < row.toneCount; ++i) {
        const ChordTone& tone = row.tones[static_cast<std::size_t>(i)];
        placed.push_back({tone.degree, KeyOf(tone, degreeKeys) + (i < lifted ? kOctave : 0)});
    }
    return placed;
}

std::string BuildChordLine(std::string_view chordCaption, std::optional<ChordType> type,
                           const DegreeKeys& degreeKeys, Spelling spelling) {
    std::string line{chordCaption};
    line += NoteName(degreeKeys[1], spelling);
    if (!type) {
        return line;
    }
    line += RowOf(*type).suffix;
    line += ":   ";
    bool first = true;
    for (KeyNumber key : ChordToneKeys(*type, degreeKeys)) {
        if (!first) {
            line += " - ";
        }
        line += NoteName(key, spelling);
        first = false;
    }
    return line;
}

}  // namespace vorlane
