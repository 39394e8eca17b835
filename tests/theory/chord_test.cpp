#include <gtest/gtest.h>

#include "tests/theory/expected_chords.h"
#include "theory/chord.h"

namespace vorlane {
namespace {

std::vector<KeyNumber> Keys(ChordType type, KeyNumber root, Inversion inversion) {
    std::vector<KeyNumber> keys;
    for (const PlacedTone& tone : PlaceChordTones(type, ComputeDegreeKeys(root), inversion)) {
        keys.push_back(tone.key);
    }
    return keys;
}

std::vector<int> Degrees(ChordType type) {
    std::vector<int> degrees;
    for (const PlacedTone& tone :
         PlaceChordTones(type, ComputeDegreeKeys(1), Inversion::RootPosition)) {
        degrees.push_back(tone.degree);
    }
    return degrees;
}

TEST(DegreeKeys, MajorScaleOverTwoOctavesFromEveryRoot) {
    const std::vector<int> scale = {0, 2, 4, 5, 7, 9, 11, 12, 14, 16, 17, 19, 21};
    for (KeyNumber root = 1; root <= 12; ++root) {
        const DegreeKeys keys = ComputeDegreeKeys(root);
        for (int d = 1; d <= 13; ++d) {
            EXPECT_EQ(keys[static_cast<std::size_t>(d)], root + scale[d - 1]) << root << "/" << d;
        }
    }
    EXPECT_EQ(ComputeDegreeKeys(12)[13], 33);  // the highest key any chord reaches
}

TEST(ChordTones, RootPositionKeysFollowTheIntervals) {
    const auto& expected = testing::ExpectedChords();
    for (KeyNumber root = 1; root <= 12; ++root) {
        for (ChordType t = 0; t < kChordTypeCount; ++t) {
            std::vector<KeyNumber> want;
            for (int s : expected[static_cast<std::size_t>(t)].semitones) {
                want.push_back(root + s);
            }
            EXPECT_EQ(ChordToneKeys(t, ComputeDegreeKeys(root)), want);
            EXPECT_EQ(Keys(t, root, Inversion::RootPosition), want);
        }
    }
    EXPECT_EQ(Keys(21, 12, Inversion::RootPosition),
              (std::vector<KeyNumber>{12, 16, 19, 23, 26, 29, 33}));
}

TEST(Inversions, LiftTheFirstTonesOfInvertibleTypesOnly) {
    EXPECT_EQ(Keys(0, 1, Inversion::FirstInversion), (std::vector<KeyNumber>{13, 5, 8}));
    EXPECT_EQ(Keys(0, 1, Inversion::SecondInversion), (std::vector<KeyNumber>{13, 17, 8}));
    EXPECT_EQ(Keys(2, 1, Inversion::SecondInversion), (std::vector<KeyNumber>{13, 17, 8, 11}));
    EXPECT_EQ(Keys(22, 1, Inversion::SecondInversion), (std::vector<KeyNumber>{13, 15, 8}));
    EXPECT_EQ(Keys(23, 12, Inversion::SecondInversion), (std::vector<KeyNumber>{24, 29, 19}));
    EXPECT_EQ(Degrees(22), (std::vector<int>{1, 2, 5}));
    for (ChordType t = 0; t < kChordTypeCount; ++t) {
        const auto root = Keys(t, 7, Inversion::RootPosition);
        for (Inversion inv : {Inversion::FirstInversion, Inversion::SecondInversion}) {
            const auto moved = Keys(t, 7, inv);
            ASSERT_EQ(moved.size(), root.size());
            const std::size_t lifted = testing::ExpectInvertible(t) ? static_cast<size_t>(inv) : 0;
            for (std::size_t i = 0; i < root.size(); ++i) {
                EXPECT_EQ(moved[i], root[i] + (i < lifted ? 12 : 0)) << t << " tone " << i;
            }
        }
    }
}

}  // namespace
}  // namespace vorlane
