#include <gtest/gtest.h>

#include "tests/support/recording_midi_out.h"

namespace vorlane {
namespace {

TEST(Midi, KeysMapToNotesInEitherOctave) {
    EXPECT_EQ(KeyNote(1, false), 48);
    EXPECT_EQ(KeyNote(36, false), 83);
    EXPECT_EQ(KeyNote(33, true), 92);
    for (KeyNumber k = 1; k <= 36; ++k) {
        EXPECT_EQ(KeyOfNote(KeyNote(k, true), true), k);
        EXPECT_EQ(KeyOfNote(KeyNote(k, false), false), k);
    }
}

TEST(Midi, RecordingOutputSeesOnlyWhatAnOpenDeviceWould) {
    std::int64_t now = 0;
    RecordingMidiOut midi{[&now] { return now; }};
    midi.NoteOn(60, 127);
    midi.AllNotesOff();
    EXPECT_TRUE(midi.Events().empty());
    midi.Open();
    now = 5;
    midi.ProgramChange(16);
    midi.NoteOn(48, 127);
    midi.Close();
    midi.NoteOn(50, 127);
    ASSERT_EQ(midi.Events().size(), 4u);
    EXPECT_EQ(midi.Events()[1].message, (RecordingMidiOut::Message{0xC0, 16, 0}));
    EXPECT_EQ(midi.Events()[2].timeMs, 5);
    EXPECT_EQ(midi.Events()[3].kind, RecordingMidiOut::Kind::Close);
    EXPECT_EQ(midi.NotesOn(), std::vector<int>{48});
}

}  // namespace
}  // namespace vorlane
