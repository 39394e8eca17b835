#include "progression/playback.h"

#include <gtest/gtest.h>

#include <string>

#include "midi/midi_out.h"
#include "progression/midi_file.h"
#include "tests/support/random_chords.h"

namespace vorlane {
namespace {

// The plan's messages as "tick: +note -note ...; tick: ...", a note-on other than at full
// velocity on the chord channel written "?note".
std::string Messages(const PlaybackPlan& plan) {
    std::string text;
    for (std::size_t i = 0; i < plan.messages.size(); ++i) {
        const TimedMessage& m = plan.messages[i];
        if (i == 0 || m.tick != plan.messages[i - 1].tick) {
            text += (i == 0 ? "" : "; ") + std::to_string(m.tick) + ":";
        }
        const bool off = m.message.IsNoteOff();
        const bool sound = m.message.Channel() == kChordChannel && m.message.data2 == kFullVelocity;
        text += (off ? " -" : sound ? " +" : " ?") + std::to_string(m.message.data1);
    }
    return text;
}

TEST(PlaybackPlan, MessagesOfEachSoundMode) {
    const ChordValue c{1, Spelling::Flat, ChordType::Major};
    const ChordValue am{10, Spelling::Flat, ChordType::Minor};
    struct Case {
        std::string name;
        std::vector<ChordValue> chords;
        PlaybackOptions options;
        std::string messages;
    };
    // clang-format off
    const Case cases[] = {
        {"organ: a repeated chord sounds again", {c, c}, {},
         "0: +48 +52 +55; 1920: -48 -52 -55 +48 +52 +55; 3840: -48 -52 -55"},
        {"organ: lowest key first",
         {{1, Spelling::Flat, ChordType::Major, Inversion::FirstInversion}},
         {.beatsPerChord = 1}, "0: +52 +55 +60; 480: -52 -55 -60"},
        {"piano: seven steps over the first beat, rounded, an octave higher",
         {{1, Spelling::Flat, ChordType::Thirteenth}},
         {.beatsPerChord = 2, .mode = SoundMode::PianoArpeggio, .octaveHigher = true},
         "0: +60; 69: +64; 137: +67; 206: +70; 274: +74; 343: +77; 411: +81; "
         "960: -60 -64 -67 -70 -74 -77 -81"},
        {"guitar: the inverted chord climbs from its root",
         {{3, Spelling::Flat, ChordType::Minor, Inversion::FirstInversion}, am},
         {.beatsPerChord = 1, .mode = SoundMode::GuitarArpeggio},
         "0: +62; 160: +53; 320: +57; 480: -62 -53 -57 +57; 640: +60; 800: +64; 960: -57 -60 -64"},
        {"no sound: held like the organ; beats past 8 taken as 8", {am},
         {.beatsPerChord = 9, .mode = SoundMode::NoSound}, "0: +57 +60 +64; 3840: -57 -60 -64"},
        {"smooth voicing: each chord where the voicing puts it",
         {{3, Spelling::Flat, ChordType::Minor7}, {8, Spelling::Flat, ChordType::Seventh},
          {1, Spelling::Flat, ChordType::Major7}},
         {.beatsPerChord = 1, .smoothVoicing = true},
         "0: +50 +53 +57 +60; 480: -50 -53 -57 -60 +50 +53 +55 +59; "
         "960: -50 -53 -55 -59 +48 +52 +55 +59; 1440: -48 -52 -55 -59"},
    };
    // clang-format on
    for (const Case& row : cases) {
        const PlaybackPlan plan = PlanPlayback(row.chords, row.options);
        EXPECT_EQ(Messages(plan), row.messages) << row.name;
        EXPECT_EQ(plan.endTick, plan.messages.back().tick) << row.name;
    }
}

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
