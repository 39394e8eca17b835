#include "tests/app/main_window_fixture.h"

namespace vorlane::testing {
namespace {

TEST_F(FormTest, FirstRunWithoutSettingsComesUpInEnglishSilentAndLow) {
    Start();
    EXPECT_TRUE(form->EnglishButton->checked);
    EXPECT_TRUE(form->NoSoundButton->checked);
    EXPECT_FALSE(form->OctaveHigherCheck->checked);
    // Only the sound mode is written during start-up.
    ASSERT_EQ(settings.Writes().size(), 1u);
    EXPECT_EQ(settings.Writes()[0], (std::pair<std::string, std::string>{"Midi", "GeenMidi"}));
    EXPECT_EQ(settings.Values().size(), 1u);

    EXPECT_EQ(form->window.caption, "Vorlane v4.1");
    EXPECT_EQ(form->aboutInfo.title, "Vorlane v4.1 - 32 bit - ");
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C:   C - E - G");
    EXPECT_EQ(form->ScaleLineLabel->text, "Musical scale C:   C - D - E - F - G - A - B - C");
    EXPECT_EQ(form->CompatibleLineLabel->text,
              "Compatible chords (Circle of Fifths): C, F, G, Dm, Am, Em, B\u00b0 (DIM)");
    EXPECT_EQ(MarkedKeys(), (std::vector<KeyNumber>{1, 5, 8}));
    EXPECT_EQ(MarkerTexts(), (std::vector<std::string>{"", "", ""}));
    EXPECT_TRUE(midi.IsOpen());
    EXPECT_TRUE(form->RememberButton->enabled);
    EXPECT_FALSE(form->SaveButton->enabled);
    EXPECT_EQ(form->saveDialog.initialFolder, std::string{kHome} + "/PianoChords");
}

TEST_F(FormTest, StartUpShowsCMajorWithoutPlayingItAndTheNextChoicePlays) {
    for (const char* mode : {"Hammond", "Piano", "Guitar"}) {
        SCOPED_TRACE(mode);
        midi.Clear();
        StartWith("Nederlands", mode, "Hoog");
        loop.RunUntilIdle();
        EXPECT_TRUE(NoteOns().empty());
        EXPECT_FALSE(form->player.Playing());
        Click(Flat(0));
        loop.RunUntilIdle();
        EXPECT_EQ(midi.NotesOn(), (std::vector<int>{60, 64, 67}));
    }
}

TEST_F(FormTest, RestartRestoresEachStoredChoice) {
    Start();
    Click(form->FrenchButton);
    Click(form->PianoArpeggioButton);
    loop.RunUntilIdle();
    Click(form->OctaveHigherCheck);
    loop.RunUntilIdle();
    form.reset();

    Start();
    EXPECT_TRUE(form->FrenchButton->checked);
    EXPECT_TRUE(form->PianoArpeggioButton->checked);
    EXPECT_TRUE(form->OctaveHigherCheck->checked);
    EXPECT_EQ(form->player.Mode(), SoundMode::PianoArpeggio);
    EXPECT_EQ(form->ChordLineLabel->text, "Accord C:   C - E - G");
    // A stored arpeggio mode hides the inversion controls from the start.
    EXPECT_FALSE(form->InversionSelector->visible);
    EXPECT_FALSE(form->InversionLabel->visible);
    EXPECT_EQ(form->InversionSelector->selectedItem, 0);
}

TEST_F(FormTest, StoredTextsAreReadExactly) {
    struct Case {
        const char* taal;
        const char* midi;
        const char* octaaf;
        ui::Control* MainWindow::*language;
        ui::Control* MainWindow::*sound;
        bool high;
    };
    const Case cases[] = {
        {"FRANS", "hammond", "hoog", &MainWindow::EnglishButton, &MainWindow::NoSoundButton, false},
        {"nederlands", "", "Laag", &MainWindow::EnglishButton, &MainWindow::NoSoundButton, false},
        {"Frans", "Guitar", "Hoog", &MainWindow::FrenchButton, &MainWindow::GuitarArpeggioButton,
         true},
        {"Nederlands", "GeenMidi", "", &MainWindow::DutchButton, &MainWindow::NoSoundButton, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.taal);
        StartWith(c.taal, c.midi, c.octaaf);
        EXPECT_TRUE((form.get()->*c.language)->checked);
        EXPECT_TRUE((form.get()->*c.sound)->checked);
        EXPECT_EQ(form->OctaveHigherCheck->checked, c.high);
        // Whatever was read, the sound mode is stored again as one of the four words.
        EXPECT_EQ(settings.Values().at("Midi"),
                  std::string{c.midi} == "Guitar" ? "Guitar" : "GeenMidi");
        EXPECT_EQ(settings.Values().at("Octaaf"), c.octaaf) << "start-up never writes it";
    }
}

TEST_F(FormTest, LaterShowsAndFailingStoresChangeNothing) {
    settings.SetFailWrites(true);
    Start();
    EXPECT_TRUE(form->EnglishButton->checked);
    Click(form->DutchButton);
    EXPECT_EQ(form->ChordLineLabel->text, "Akkoord C:   C - E - G");
    EXPECT_TRUE(settings.Values().empty());

    Click(form->EnglishButton);
    midi.Clear();
    form->window.Show();  // restored after minimising
    EXPECT_TRUE(midi.Events().empty());
    EXPECT_EQ(form->ChordLineLabel->text, "Chord C:   C - E - G");
}

TEST_F(FormTest, AboutBoxFollowsTheLanguage) {
    Start();
    Click(form->InfoButton);
    ASSERT_EQ(dialogs.abouts.size(), 1u);
    EXPECT_EQ(dialogs.abouts[0].title, "Vorlane v4.1 - 32 bit - ");
    EXPECT_EQ(dialogs.abouts[0].description,
              "Creating chords and show them on the piano keyboard!");
    EXPECT_FALSE(dialogs.abouts[0].notice.empty());
    Click(form->FrenchButton);
    Click(form->InfoButton);
    EXPECT_EQ(dialogs.abouts[1].description,
              "Cr\u00e9er des accords et les afficher sur le clavier du piano!");
}

}  // namespace
}  // namespace vorlane::testing
