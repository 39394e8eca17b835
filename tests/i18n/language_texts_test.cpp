#include "i18n/language_texts.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

TEST(LanguageTexts, EnglishColumn) {
    const LanguageTexts& t = TextsFor(Language::English);
    EXPECT_EQ(t.productName, "Vorlane");
    EXPECT_EQ(t.aboutText, "Creating chords and show them on the piano keyboard!");
    EXPECT_EQ(t.compatibleCaption, "Compatible chords (Circle of Fifths)");
    EXPECT_EQ(t.chordCaption, "Chord ");
    EXPECT_EQ(LanguageInfo(Language::English).logoFrame, 2);
    EXPECT_EQ(t.inversionItems[0], "Ground position");
    EXPECT_EQ(t.inversionItems[2], "2nd reversal");
    EXPECT_EQ(t.saveErrorText,
              "The selected Chords could not be saved. Please choose another file!");
    EXPECT_EQ(t.octaveHigherCheck, "1 Octave Higher");
    EXPECT_EQ(t.chordListHeader, "Selected Chords");
}

TEST(LanguageTexts, FrenchColumnWithItsAccentsAndItsOddErrorEnding) {
    const LanguageTexts& t = TextsFor(Language::French);
    EXPECT_EQ(LanguageInfo(Language::French).logoFrame, 1);
    EXPECT_EQ(t.chordCaption, "Accord ");
    // Accented letters as UTF-8 bytes: é = C3 A9, è = C3 A8, ç = C3 A7, ê = C3 AA.
    EXPECT_EQ(t.flatHeader, "B\xC3\xA9mol");
    EXPECT_EQ(t.frenchButton,
              "Fran\xC3\xA7"
              "ais");
    EXPECT_EQ(t.compatibleCaption, "Accords compatibles (cercle des cinqui\xC3\xA8mes)");
    EXPECT_EQ(t.inversionItems[2], "2\xC3\xA8me renversement");
    EXPECT_EQ(t.saveErrorText,
              "Les accords s\xC3\xA9lectionn\xC3\xA9s n'ont pas pu \xC3\xAAtre "
              "enregistr\xC3\xA9s. Veuillez choisir un autre fichier\".");
    EXPECT_EQ(t.chordListHeader, "Accords s\xC3\xA9lectionn\xC3\xA9s");
    EXPECT_EQ(t.guitarArpeggioButton, "Arp\xC3\xA8ge de Guitare");
}

TEST(LanguageTexts, DutchColumn) {
    const LanguageTexts& t = TextsFor(Language::Dutch);
    EXPECT_EQ(LanguageInfo(Language::Dutch).logoFrame, 0);
    EXPECT_EQ(t.inversionLabel, "Ligging");
    EXPECT_EQ(t.scaleCaption, "Toonladder");
    EXPECT_EQ(t.languageGroupCaption, "Taal");
    EXPECT_EQ(t.inversionItems[1], "1ste omkering");
    EXPECT_EQ(t.saveDialogTitle, "Bewaar geselecteerde Akkoorden");
    EXPECT_EQ(t.octaveHigherCheck, "1 Octaaf Hoger");
    EXPECT_EQ(t.chordListHeader, "Geselecteerde Akkoorden");
}

}  // namespace
}  // namespace vorlane
