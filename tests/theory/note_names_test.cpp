#include <gtest/gtest.h>

#include <string>

#include "theory/notes.h"

namespace vorlane {
namespace {

TEST(NoteNames, TablesRepeatEachOctaveAndNameTheTopC) {
    for (const NoteNameTable* table : {&FlatNoteNames, &SharpNoteNames}) {
        EXPECT_EQ(table->size(), 38u);  // 37 names after the unused entry 0
        for (KeyNumber k = 1; k <= 25; ++k) {
            EXPECT_EQ((*table)[k], (*table)[k + 12]) << "key " << k;
        }
        EXPECT_EQ((*table)[37], "C");
    }
}

TEST(NoteNames, FlatAndSharpNameTheSamePitch) {
    // Naturals agree; a black key is the flat of the letter above and the sharp of the one
    // below (Db and C#), and the octave starts on C and ends on B.
    const std::string letters = "CDEFGAB";
    int blackKeys = 0;
    for (KeyNumber k = 1; k <= 12; ++k) {
        const std::string_view flat = FlatNoteNames[k];
        const std::string_view sharp = SharpNoteNames[k];
        if (flat.size() == 1) {
            EXPECT_EQ(flat, sharp);
            continue;
        }
        ++blackKeys;
        EXPECT_EQ(std::string{flat[1]} + sharp[1], "b#");
        EXPECT_EQ(letters.find(sharp[0]) + 1, letters.find(flat[0])) << flat << "/" << sharp;
    }
    EXPECT_EQ(blackKeys, 5);
    EXPECT_EQ(std::string{FlatNoteNames[1]} + std::string{FlatNoteNames[12]}, "CB");
}

TEST(NoteNames, NoteNameFollowsTheSpellingOnly) {
    EXPECT_EQ(NoteName(2, Spelling::Flat), "Db");
    EXPECT_EQ(NoteName(26, Spelling::Sharp), "C#");
    EXPECT_EQ(NoteName(0, Spelling::Flat), "");
    EXPECT_EQ(NoteName(38, Spelling::Sharp), "");
}

}  // namespace
}  // namespace vorlane
