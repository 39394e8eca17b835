#include "tests/app/main_window_fixture.h"

namespace vorlane::testing {
namespace {

TEST_F(FormTest, EachLanguageReachesEveryKindOfTarget) {
    Start();
    Click(form->DutchButton);
    EXPECT_EQ(form->ScaleGroup->text, "Toonladder");
    EXPECT_EQ(form->InversionLabel->text, "Ligging");
    EXPECT_EQ(form->LogoPicture->imageIndex, 0);
    EXPECT_EQ(form->ScaleLineLabel->text, "Toonladder C:   C - D - E - F - G - A - B - C");
    EXPECT_EQ(form->saveDialogTitle, "Bewaar geselecteerde Akkoorden");

    Click(form->FrenchButton);
    EXPECT_EQ(form->FlatHeader->text, "B\u00e9mol");
    EXPECT_EQ(form->DutchButton->text, "N\u00e9erlandais");
    EXPECT_EQ(
        form->InversionSelector->items,
        (std::vector<std::string>{"Position sol", "1er renversement", "2\u00e8me renversement"}));
    EXPECT_EQ(form->PianoArpeggioButton->text, "Arp\u00e8ge de Piano");
    EXPECT_EQ(form->LogoPicture->imageIndex, 1);
    EXPECT_EQ(form->CompatibleLineLabel->text,
              "Accords compatibles (cercle des cinqui\u00e8mes): C, F, G, Dm, Am, Em, "
              "B\u00b0 (DIM)");
    EXPECT_EQ(form->saveErrorText.substr(form->saveErrorText.size() - 2), "\".");

    Click(form->EnglishButton);
    EXPECT_EQ(form->OctaveHigherCheck->text, "1 Octave Higher");
    EXPECT_EQ(form->LogoPicture->imageIndex, 2);
    EXPECT_EQ(form->window.caption, "Vorlane v4.1");
    // Texts that never change with the language.
    EXPECT_EQ(form->InfoButton->text, "Info");
    EXPECT_EQ(Sharp(1)->text, "C#");
    EXPECT_EQ(form->RememberButton->hint, "Click this button to remember the current chord.");
}

TEST_F(FormTest, LanguageChangeResetsInversionReplaysAndDiscardsRememberedChords) {
    StartWith("Engels", "Hammond", "Laag");
    Click(Flat(9));
    form->window.ChooseItem(*form->InversionSelector, 2);
    Click(form->RememberButton);
    ASSERT_EQ(form->rememberedChords.Size(), 1u);
    midi.Clear();
    settings.ClearWrites();

    Click(form->FrenchButton);
    EXPECT_EQ(form->InversionSelector->selectedItem, 0);
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{10, 14, 17}));
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{57, 61, 64}));
    EXPECT_EQ(form->ChordLineLabel->text, "Accord A:   A - Db - E");
    EXPECT_EQ(form->rememberedChords.Size(), 0u);
    EXPECT_EQ(settings.Writes(),
              (std::vector<std::pair<std::string, std::string>>{{"Taal", "Frans"}}));
    EXPECT_TRUE(form->RememberButton->enabled);
    EXPECT_FALSE(form->SaveButton->enabled);

    // Clicking the language already chosen applies, stores and discards again.
    Click(form->RememberButton);
    Click(form->FrenchButton);
    EXPECT_EQ(form->rememberedChords.Size(), 0u);
    EXPECT_EQ(settings.Writes().size(), 2u);
}

}  // namespace
}  // namespace vorlane::testing
