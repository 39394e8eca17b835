#include "progression/midi_file.h"
#include "tests/support/chord_list_fixture.h"

namespace vorlane::testing {
namespace {

const std::string kFolder = std::string{kHome} + "/PianoChords";

TEST_F(ChordListTest, OpenReplacesTheListAndWhatIsNoListChangesNothing) {
    StartList("Engels", "Hammond");
    Remember({kC, kDm7});
    files.AddDirectory(kFolder);
    files.AddFile(kFolder + "/nl.txt",
                  "Geselecteerde Akkoorden\n=======================\n\n"
                  "Akkoord F#m7:   F# - A - C# - E\nAkkoord Bb:   Bb - D - F\n");
    files.AddFile(kFolder + "/junk.txt",
                  "Selected Chords\r\n===============\r\n\r\nChord C:   C - E - G\r\nhello\r\n");
    struct Case {
        const char* file;
        std::string error;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"junk.txt",
         "\"junk.txt\" is not a chord list: line 5 is not a chord line. The list was not changed.",
         {"C", "Dm7"}},
        {"gone.txt", "\"gone.txt\" could not be read. The list was not changed.", {"C", "Dm7"}},
        {"nl.txt", "", {"F#m7", "Bb"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        dialogs.errors.clear();
        const int edits = list->History().count();
        dialogs.openAnswers.push_back(kFolder + "/" + c.file);
        list->OpenFile();
        EXPECT_EQ(Names(), c.names);
        if (c.error.empty()) {
            EXPECT_TRUE(dialogs.errors.empty());
        } else {
            ASSERT_EQ(dialogs.errors.size(), 1u);
            EXPECT_EQ(dialogs.errors[0], std::pair(std::string{"Vorlane v4.1"}, c.error));
            EXPECT_EQ(list->History().count(), edits) << "nothing to undo";
        }
    }
    EXPECT_EQ(dialogs.shownOpenDialogs[0].initialFolder, kFolder);
    EXPECT_EQ(dialogs.shownOpenDialogs[0].filter, "Piano Chords|*.txt");
    EXPECT_EQ(dialogs.shownOpenDialogs[0].title, "Open Chord List");
    dialogs.openAnswers.push_back(std::nullopt);  // cancelled: nothing changes
    list->OpenFile();
    EXPECT_EQ(Names(), (std::vector<std::string>{"F#m7", "Bb"}));
}

TEST_F(ChordListTest, ExportWritesTheListAsItPlaysAndAFailedWriteKeepsTheOldFile) {
    StartList("Engels", "Piano");
    Click(form->OctaveHigherCheck);
    dialogs.saveAnswers.push_back(kHome + std::string{"/never.mid"});
    list->ExportMidi();
    EXPECT_TRUE(dialogs.shownSaveDialogs.empty()) << "an empty list has nothing to export";

    Remember({kC, kDm7, kG7});
    list->SetTempo(120);
    list->SetBeatsPerChord(2);
    list->SetSmoothVoicing(true);
    const std::string path = std::string{kHome} + "/song.mid";
    dialogs.saveAnswers = {path};
    list->ExportMidi();
    const std::string bytes = StandardMidiFileBytes(form->rememberedChords.Chords(),
                                                    {120, 2, SoundMode::PianoArpeggio, true, true});
    EXPECT_EQ(files.FileContent(path), bytes);
    const ui::SaveDialog& shown = dialogs.shownSaveDialogs.at(0);
    EXPECT_EQ(shown.filter, "MIDI Files|*.mid");
    EXPECT_EQ(shown.defaultExtension, "mid");
    EXPECT_EQ(shown.title, "Export as MIDI File");
    EXPECT_EQ(shown.initialFolder, kHome) << "no chord folder yet";

    files.SetFailWrites(true);
    list->SetTempo(60);
    dialogs.saveAnswers.push_back(path);
    list->ExportMidi();
    EXPECT_EQ(
        dialogs.errors,
        (std::vector<std::pair<std::string, std::string>>{
            {"Vorlane v4.1", "The MIDI file could not be saved. Please choose another file!"}}));
    EXPECT_EQ(files.FileContent(path), bytes);
    EXPECT_EQ(dialogs.shownSaveDialogs.at(1).initialFolder, std::string{kHome} + "/");
}

}  // namespace
}  // namespace vorlane::testing
