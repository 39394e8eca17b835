#include <gtest/gtest.h>

#include "theory/chord.h"
#include "theory/chord_value.h"

namespace vorlane {
namespace {

using Keys = std::vector<KeyNumber>;

Keys Placed(ChordType type, KeyNumber root, Inversion inversion) {
    Keys keys;
    for (const PlacedTone& tone : PlaceChordTones(type, ComputeDegreeKeys(root), inversion)) {
        keys.push_back(tone.key);
    }
    return keys;
}

TEST(DegreeKeys, MajorScaleOverTwoOctavesFromEveryRoot) {
    const std::vector<int> scale = {0, 2, 4, 5, 7, 9, 11, 12, 14, 16, 17, 19, 21};
    for (KeyNumber root = 1; root <= 12; ++root) {
        const DegreeKeys keys = ComputeDegreeKeys(root);
        for (int d = 1; d <= 13; ++d) {
            EXPECT_EQ(keys[static_cast<std::size_t>(d)], root + scale[d - 1]) << root << "/" << d;
        }
    }
}

TEST(Inversions, LiftTheFirstTonesOfInvertibleTypesOnly) {
    EXPECT_EQ(Placed(ChordType::Major, 1, Inversion::FirstInversion), (Keys{13, 5, 8}));
    EXPECT_EQ(Placed(ChordType::Major, 1, Inversion::SecondInversion), (Keys{13, 17, 8}));
    EXPECT_EQ(Placed(ChordType::Seventh, 1, Inversion::SecondInversion), (Keys{13, 17, 8, 11}));
    EXPECT_EQ(Placed(ChordType::Sus2, 1, Inversion::SecondInversion), (Keys{13, 15, 8}));
    EXPECT_EQ(Placed(ChordType::Sus4, 12, Inversion::SecondInversion), (Keys{24, 29, 19}));
    // Extended chords stay in root position; Major13 on B reaches the highest key of all.
    const Keys major13OnB = {12, 16, 19, 23, 26, 29, 33};
    EXPECT_EQ(ChordToneKeys(ChordType::Major13, ComputeDegreeKeys(12)), major13OnB);
    for (Inversion inversion : {Inversion::FirstInversion, Inversion::SecondInversion}) {
        EXPECT_EQ(Placed(ChordType::Major13, 12, inversion), major13OnB);
        EXPECT_EQ(Placed(ChordType::SixNine, 1, inversion), (Keys{1, 5, 8, 10, 15}));
    }
}

TEST(ChordValue, NameNotesAndLineAsTheChordLineWritesThem) {
    struct Case {
        ChordValue chord;
        std::string_view name;
        std::string_view notes;
    };
    const Case cases[] = {
        {{3, Spelling::Flat, ChordType::Minor7}, "Dm7", "D - F - A - C"},
        {{1, Spelling::Sharp, ChordType::Diminished}, "C\u00b0 (DIM)", "C - D# - F#"},
        {{7, Spelling::Sharp, ChordType::Thirteenth}, "F#13", "F# - A# - C# - E - G# - B - D#"},
        {{2, Spelling::Flat, ChordType::Minor7, Inversion::SecondInversion},
         "Dbm7",
         "Db - E - Ab - B"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChordName(c.chord), c.name);
        EXPECT_EQ(ChordNoteNames(c.chord), c.notes);
        EXPECT_EQ(ChordLine("Chord ", c.chord),
                  "Chord " + std::string{c.name} + ":   " + std::string{c.notes});
    }
}

}  // namespace
}  // namespace vorlane
