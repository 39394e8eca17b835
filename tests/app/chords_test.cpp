#include "tests/app/main_window_fixture.h"

namespace vorlane::testing {
namespace {

const std::string kFolder = std::string{kHome} + "/PianoChords";

TEST_F(FormTest, RememberSelectRememberSaveWritesTheExactFileInEachLanguage) {
    struct Case {
        const char* taal;
        std::string bytes;
    };
    const Case cases[] = {
        {"Engels",
         "Selected Chords\r\n===============\r\n\r\nChord C:   C - E - G\r\n"
         "Chord D\xb0 (DIM):   D - F - Ab\r\n"},
        {"Frans",
         "Accords s\xe9lectionn\xe9s\r\n====================\r\n\r\nAccord C:   C - E - G\r\n"
         "Accord D\xb0 (DIM):   D - F - Ab\r\n"},
        {"Nederlands",
         "Geselecteerde Akkoorden\r\n=======================\r\n\r\nAkkoord C:   C - E - G\r\n"
         "Akkoord D\xb0 (DIM):   D - F - Ab\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.taal);
        StartWith(c.taal, "GeenMidi", "Laag");
        Click(form->RememberButton);  // C major, shown since start-up
        EXPECT_FALSE(form->RememberButton->enabled);
        EXPECT_TRUE(form->SaveButton->enabled);
        Click(form->RememberButton);  // disabled: nothing happens
        Click(Flat(2));
        Click(Variation(ChordType::Diminished));
        Click(form->RememberButton);
        const std::string path = kFolder + "/" + c.taal + ".txt";
        dialogs.saveAnswers.push_back(path);
        Click(form->SaveButton);
        EXPECT_EQ(files.FileContent(path), c.bytes);
        EXPECT_FALSE(form->SaveButton->enabled);
        EXPECT_TRUE(form->RememberButton->enabled);
        EXPECT_EQ(form->lastSaveFolder, kFolder + "/");
        EXPECT_EQ(form->rememberedChords.Size(), 0u);
        EXPECT_TRUE(dialogs.errors.empty());
    }
    EXPECT_EQ(dialogs.shownSaveDialogs[0].title, "Save Selected Chords");
    EXPECT_EQ(dialogs.shownSaveDialogs[0].initialFolder, kFolder);
    EXPECT_EQ(dialogs.shownSaveDialogs[0].filter, "Piano Chords|*.txt");
    EXPECT_EQ(dialogs.shownSaveDialogs[0].defaultExtension, "txt");
}

TEST_F(FormTest, CancelChangesNothingAndTheNextDialogOffersNoName) {
    Start();
    Click(form->RememberButton);
    dialogs.saveAnswers.push_back(std::nullopt);
    Click(form->SaveButton);
    EXPECT_TRUE(form->SaveButton->enabled);
    EXPECT_EQ(form->rememberedChords.Size(), 1u);
    EXPECT_EQ(form->saveDialog.fileName, "");
    EXPECT_TRUE(form->lastSaveFolder.empty());
    // The default folder was created for the dialog.
    EXPECT_TRUE(files.IsDirectory(kFolder));
}

TEST_F(FormTest, FailedSaveKeepsEverythingAndReportsTheError) {
    Start();
    Click(form->RememberButton);
    const Progression before = form->rememberedChords;
    files.AddDirectory(kFolder + "/taken.txt");
    dialogs.saveAnswers.push_back(kFolder + "/taken.txt");              // a directory
    dialogs.saveAnswers.push_back(std::string{kHome} + "/gone/x.txt");  // a missing folder
    Click(form->SaveButton);
    Click(form->SaveButton);
    ASSERT_EQ(dialogs.errors.size(), 2u);
    EXPECT_EQ(dialogs.errors[0].first, "Vorlane v4.1");
    EXPECT_EQ(dialogs.errors[0].second,
              "The selected Chords could not be saved. Please choose another file!");
    EXPECT_TRUE(form->rememberedChords == before);
    EXPECT_TRUE(form->SaveButton->enabled);
    EXPECT_FALSE(form->RememberButton->enabled);
    EXPECT_TRUE(form->lastSaveFolder.empty());
    // Without a successful save yet, the next dialog offers the failed path again.
    dialogs.saveAnswers.push_back(std::nullopt);
    Click(form->SaveButton);
    EXPECT_EQ(dialogs.shownSaveDialogs.back().fileName, std::string{kHome} + "/gone/x.txt");
}

TEST_F(FormTest, ReplacingAFileAndTheFolderRules) {
    Start();
    files.AddDirectory("/music");
    files.AddFile("/music/old.txt", "an older, much longer list that must not survive in part");
    Click(form->RememberButton);
    dialogs.saveAnswers.push_back("/music/old.txt");
    Click(form->SaveButton);
    EXPECT_EQ(files.FileContent("/music/old.txt"),
              "Selected Chords\r\n===============\r\n\r\nChord C:   C - E - G\r\n");

    // After a successful save the dialog opens in that folder with an empty name.
    Click(Flat(0));
    Click(form->RememberButton);
    dialogs.saveAnswers.push_back(std::nullopt);
    Click(form->SaveButton);
    EXPECT_EQ(dialogs.shownSaveDialogs.back().initialFolder, "/music/");
    EXPECT_EQ(dialogs.shownSaveDialogs.back().fileName, "");
}

TEST_F(FormTest, UncreatableDefaultFolderFallsBackToHome) {
    Start();
    files.AddFile(kFolder, "a file where the folder should be");
    Click(form->RememberButton);
    dialogs.saveAnswers.push_back(std::nullopt);
    Click(form->SaveButton);
    EXPECT_EQ(dialogs.shownSaveDialogs.back().initialFolder, kHome);
    // It stays there until a save succeeds.
    dialogs.saveAnswers.push_back(std::nullopt);
    Click(form->SaveButton);
    EXPECT_EQ(dialogs.shownSaveDialogs.back().initialFolder, kHome);
}

TEST_F(FormTest, RememberAndSaveStayUsableDuringAnArpeggio) {
    StartWith("Engels", "Piano", "Laag");
    Click(Flat(7));
    ASSERT_TRUE(form->player.Playing());
    Click(form->RememberButton);
    dialogs.saveAnswers.push_back(kFolder + "/during.txt");
    Click(form->SaveButton);
    EXPECT_TRUE(form->player.Playing());
    loop.RunUntilIdle();
    EXPECT_EQ(files.FileContent(kFolder + "/during.txt"),
              "Selected Chords\r\n===============\r\n\r\nChord G:   G - B - D\r\n");
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{55, 59, 62}));
}

}  // namespace
}  // namespace vorlane::testing
