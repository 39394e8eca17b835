#include "progression/midi_file.h"
#include "tests/support/chord_list_fixture.h"

namespace vorlane::testing {
namespace {

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
