#include <gtest/gtest.h>

#include <string>

#include "i18n/language_texts.h"
#include "theory/chord.h"
#include "theory/scale.h"

namespace vorlane {
namespace {

std::string Chord(Language language, KeyNumber root, std::optional<ChordType> type,
                  Spelling spelling = Spelling::Flat) {
    return BuildChordLine(TextsFor(language).chordCaption, type, ComputeDegreeKeys(root), spelling);
}
std::string Scale(Language language, KeyNumber root, Spelling spelling = Spelling::Flat) {
    return BuildScaleLine(TextsFor(language).scaleCaption, root, spelling);
}
std::string Compatible(Language language, KeyNumber root, Spelling spelling = Spelling::Flat) {
    return BuildCompatibleLine(TextsFor(language).compatibleCaption, root, spelling);
}

TEST(BuildChordLine, RootPositionNamesInEachLanguage) {
    EXPECT_EQ(Chord(Language::English, 1, ChordType::Major), "Chord C:   C - E - G");
    EXPECT_EQ(Chord(Language::French, 1, ChordType::Diminished),
              "Accord C\u00b0 (DIM):   C - Eb - Gb");
    EXPECT_EQ(Chord(Language::Dutch, 2, ChordType::Minor7), "Akkoord Dbm7:   Db - E - Ab - B");
    EXPECT_EQ(Chord(Language::English, 1, ChordType::Minor, Spelling::Sharp),
              "Chord Cm:   C - D# - G");
    EXPECT_EQ(Chord(Language::French, 1, ChordType::Augmented), "Accord C+ (AUG):   C - E - Ab");
    EXPECT_EQ(Chord(Language::English, 12, ChordType::Major13),
              "Chord BM13 (MAJ):   B - Eb - Gb - Bb - Db - E - Ab");
    EXPECT_EQ(Chord(Language::Dutch, 1, std::nullopt), "Akkoord C");
}

TEST(BuildScaleLine, CaptionSeparatorsAndSpellingFromTheTable) {
    EXPECT_EQ(Scale(Language::English, 1), "Musical scale C:   C - D - E - F - G - A - B - C");
    EXPECT_EQ(Scale(Language::French, 7),
              "Echelle musicale Gb:   Gb - Ab - Bb - B - Db - Eb - F - Gb");
    EXPECT_EQ(Scale(Language::Dutch, 6, Spelling::Sharp),
              "Toonladder F:   F - G - A - A# - C - D - E - F");
    EXPECT_EQ(Scale(Language::Dutch, 6), "Toonladder F:   F - G - A - Bb - C - D - E - F");
    EXPECT_EQ(Scale(Language::English, 12, Spelling::Sharp),
              "Musical scale B:   B - C# - D# - E - F# - G# - A# - B");
}

TEST(BuildCompatibleLine, SevenChordsOfTheKeyInEachLanguage) {
    EXPECT_EQ(Compatible(Language::English, 1),
              "Compatible chords (Circle of Fifths): C, F, G, Dm, Am, Em, B\u00b0 (DIM)");
    EXPECT_EQ(Compatible(Language::French, 7),
              "Accords compatibles (cercle des cinqui\u00e8mes): "
              "Gb, B, Db, Abm, Ebm, Bbm, F\u00b0 (DIM)");
    EXPECT_EQ(Compatible(Language::Dutch, 2),
              "Compatibele akkoorden (kwintencirkel): Db, Gb, Ab, Ebm, Bbm, Fm, C\u00b0 (DIM)");
    EXPECT_EQ(Compatible(Language::English, 12),
              "Compatible chords (Circle of Fifths): B, E, Gb, Dbm, Abm, Ebm, Bb\u00b0 (DIM)");
    EXPECT_EQ(Compatible(Language::Dutch, 12, Spelling::Sharp),
              "Compatibele akkoorden (kwintencirkel): B, E, F#, C#m, G#m, D#m, A#\u00b0 (DIM)");
}

}  // namespace
}  // namespace vorlane
