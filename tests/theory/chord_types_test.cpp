#include <gtest/gtest.h>

#include <string>

#include "tests/theory/expected_chords.h"
#include "theory/chord_types.h"

namespace vorlane {
namespace {

// Semitones of the major-scale degrees 1..13, from the whole and half steps W W H W W W H.
int DegreeSemitones(int degree) {
    constexpr int kSteps[] = {2, 2, 1, 2, 2, 2, 1};
    int semitones = 0;
    for (int d = 1; d < degree; ++d) {
        semitones += kSteps[(d - 1) % 7];
    }
    return semitones;
}

TEST(ChordTypeTable, EveryTypeSoundsItsIntervals) {
    const auto& expected = testing::ExpectedChords();
    for (ChordType t = 0; t < kChordTypeCount; ++t) {
        const ChordTypeRow& row = ChordTypeTable[static_cast<std::size_t>(t)];
        const testing::ExpectedChord& want = expected[static_cast<std::size_t>(t)];
        EXPECT_EQ(row.typeName, want.typeName);
        std::vector<int> semitones;
        int previousDegree = 0;
        for (int i = 0; i < row.toneCount; ++i) {
            const ChordTone& tone = row.tones[static_cast<std::size_t>(i)];
            EXPECT_GT(tone.degree, previousDegree) << row.typeName << ": tones ascend by degree";
            EXPECT_TRUE(tone.alteration >= -1 && tone.alteration <= 1) << row.typeName;
            previousDegree = tone.degree;
            semitones.push_back(DegreeSemitones(tone.degree) + tone.alteration);
        }
        EXPECT_EQ(semitones, want.semitones) << row.typeName;
        EXPECT_EQ(row.invertible, testing::ExpectInvertible(t)) << row.typeName;
    }
}

TEST(ChordTypeTable, LookUpByNameIgnoresCase) {
    EXPECT_EQ(ChordTypeByName("minor7"), 5);
    EXPECT_EQ(ChordTypeByName("SEVENFLAT5"), 8);
    EXPECT_EQ(ChordTypeByName("Sus4"), 23);
    EXPECT_EQ(ChordTypeByName("Minor"), 1);  // whole names only: Minor7 does not match
    EXPECT_FALSE(ChordTypeByName("Minor7 "));
    EXPECT_FALSE(ChordTypeByName("Min"));
    EXPECT_FALSE(ChordTypeByName(""));
}

}  // namespace
}  // namespace vorlane
