#include "progression/midi_file.h"

#include <gtest/gtest.h>

#include <string>

#include "midi/midi_message.h"
#include "tests/support/random_chords.h"

namespace vorlane {
namespace {

// The file's structure is read back by an independent reader in the command line's tests;
// here only what the command line cannot ask for: a list without sound is the organ's file
// with the piano's program.
TEST(MidiFile, WithoutSoundTheOrganFileOnThePianoProgram) {
    const std::vector<ChordValue> chords = testing::RandomChords(20, 3);
    const std::string organ = StandardMidiFileBytes(chords, {.mode = SoundMode::HammondOrgan});
    std::string silent = StandardMidiFileBytes(chords, {.mode = SoundMode::NoSound});
    const std::string organProgram{char(kProgramChangeStatus), 16};
    const std::string pianoProgram{char(kProgramChangeStatus), 0};
    ASSERT_EQ(silent.size(), organ.size());
    const std::size_t at = silent.find(pianoProgram);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(silent.replace(at, 2, organProgram), organ);
}

}  // namespace
}  // namespace vorlane
