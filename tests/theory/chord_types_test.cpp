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
    for (ChordType t : AllChordTypes) {
        const ChordTypeRow& row = RowOf(t);
        const testing::ExpectedChord& want = expected[static_cast<std::size_t>(NumberOf(t))];
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
        EXPECT_EQ(row.invertible, testing::ExpectInvertible(NumberOf(t))) << row.typeName;
    }
}

TEST(ChordTypeTable, LookUpByNameIgnoresCase) {
    EXPECT_EQ(ChordTypeByName("minor7"), ChordType::Minor7);
    EXPECT_EQ(ChordTypeByName("SEVENFLAT5"), ChordType::SevenFlat5);
    EXPECT_EQ(ChordTypeByName("Sus4"), ChordType::Sus4);
    EXPECT_EQ(ChordTypeByName("Minor"), ChordType::Minor);  // whole names: Minor7 does not match
    EXPECT_FALSE(ChordTypeByName("Minor7 "));
    EXPECT_FALSE(ChordTypeByName("Min"));
    EXPECT_FALSE(ChordTypeByName(""));
}

// Names and numbers lead back to the same type, and numbers stop at the table's ends.
TEST(ChordTypeTable, NamesAndNumbersFindEachType) {
    for (ChordType t : AllChordTypes) {
        EXPECT_EQ(ChordTypeByName(RowOf(t).typeName), t) << RowOf(t).typeName;
        EXPECT_EQ(ChordTypeNumbered(NumberOf(t)), t) << RowOf(t).typeName;
    }
    EXPECT_EQ(NumberOf(ChordType::Sus4), kChordTypeCount - 1);
    EXPECT_FALSE(ChordTypeNumbered(-1));
    EXPECT_FALSE(ChordTypeNumbered(kChordTypeCount));
}

}  // namespace
}  // namespace vorlane
