#include <gtest/gtest.h>

#include <set>

#include "keyboard/key_markers.h"
#include "theory/chord.h"

namespace vorlane {
namespace {

constexpr int kPictureWidth = 717;
constexpr int kPictureHeight = 159;
constexpr int kMarkerSize = 16;

TEST(KeyMarkerPositions, OneDistinctSpotPerKeyInsideThePicture) {
    int previousX = -1;
    for (KeyNumber k = 1; k <= 36; ++k) {
        const MarkerPosition p = KeyMarkerPositions[static_cast<std::size_t>(k)];
        // Keys run left to right, so x must rise; this also makes every x distinct.
        EXPECT_GT(p.x, previousX) << "key " << k;
        previousX = p.x;
        EXPECT_LE(p.x + kMarkerSize, kPictureWidth);
        EXPECT_LE(p.y + kMarkerSize, kPictureHeight);
        const bool black = FlatNoteNames[k].size() == 2;
        EXPECT_EQ(p.y, black ? 80 : 128) << "key " << k;
    }
    EXPECT_EQ(KeyMarkerPositions[13].x, 249);
}

TEST(MarkerSlotOfDegree, EachToneHasItsOwnDegreeMarker) {
    for (ChordType t : AllChordTypes) {
        std::set<int> slots;
        for (const PlacedTone& tone :
             PlaceChordTones(t, ComputeDegreeKeys(12), Inversion::SecondInversion)) {
            const std::optional<int> slot = MarkerSlotOfDegree(tone.degree);
            ASSERT_TRUE(slot) << RowOf(t).typeName << " degree " << tone.degree;
            EXPECT_EQ(MarkerDegrees[static_cast<std::size_t>(*slot)], tone.degree);
            EXPECT_TRUE(slots.insert(*slot).second) << RowOf(t).typeName << " reuses a marker";
            EXPECT_TRUE(tone.key >= 1 && tone.key <= 36) << RowOf(t).typeName << " has no key spot";
        }
    }
    for (int degree : {0, 8, 10, 12, 14}) {
        EXPECT_FALSE(MarkerSlotOfDegree(degree)) << degree;
    }
}

}  // namespace
}  // namespace vorlane
