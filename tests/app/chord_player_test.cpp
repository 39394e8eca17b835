#include "app/chord_player.h"

#include <gtest/gtest.h>

#include "tests/support/recording_midi_out.h"
#include "tests/support/virtual_event_loop.h"

namespace vorlane {
namespace {

using Kind = RecordingMidiOut::Kind;

class ChordPlayerTest : public ::testing::Test {
  protected:
    ChordPlayerTest() { midi.recordWhileClosed = true; }

    ui::VirtualEventLoop loop;
    RecordingMidiOut midi{[this] { return loop.NowMs(); }};
    std::unique_ptr<ChordPlayer> player = std::make_unique<ChordPlayer>(midi, loop);
    // C7 in second inversion as the markers show it: slots in chord order, keys not.
    const std::vector<ShownTone> tones = {{0, 13, "C"}, {1, 17, "E"}, {2, 8, "G"}, {3, 11, "Bb"}};
};

TEST_F(ChordPlayerTest, TheOrganHoldsTheChordLowestKeyFirstAndNoSoundPlaysNothing) {
    player->ChangeMode(SoundMode::HammondOrgan);
    midi.Clear();
    player->onArpeggioStart = [] { ADD_FAILURE() << "the organ plays no arpeggio"; };
    player->Play(tones, true, Inversion::SecondInversion);
    ASSERT_EQ(midi.Events().size(), 6u);
    EXPECT_EQ(midi.Events()[0].kind, Kind::AllNotesOff);
    EXPECT_EQ(midi.Events()[1].message, (RecordingMidiOut::Message{0xC0, 16, 0}));
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{67, 70, 72, 76}));
    EXPECT_FALSE(player->Playing());

    player->ChangeMode(SoundMode::NoSound);
    midi.Clear();
    player->Play(tones, false, Inversion::RootPosition);
    ASSERT_EQ(midi.Events().size(), 1u);
    EXPECT_EQ(midi.Events()[0].kind, Kind::AllNotesOff);
}

TEST_F(ChordPlayerTest, AnArpeggioClimbsTheMarkersOnTimeAndEndsATailLater) {
    player->ChangeMode(SoundMode::GuitarArpeggio);
    std::vector<std::string> steps;
    player->onArpeggioStart = [&] { steps.push_back("start"); };
    player->onArpeggioTone = [&](const ShownTone& tone) {
        steps.push_back(tone.name + "@" + std::to_string(loop.NowMs()));
    };
    player->onArpeggioEnd = [&] {
        EXPECT_FALSE(player->Playing());
        steps.push_back("end@" + std::to_string(loop.NowMs()));
    };
    midi.Clear();
    player->Play(tones, false, Inversion::RootPosition);
    EXPECT_TRUE(player->Playing());
    loop.AdvanceBy(1199);
    EXPECT_TRUE(player->Playing()) << "it ends one step and 800 ms after its last note";
    loop.RunUntilIdle();
    EXPECT_EQ(steps,
              (std::vector<std::string>{"start", "C@0", "E@100", "G@200", "Bb@300", "end@1200"}));
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{60, 64, 55, 58}));
    // Every note off, then the instrument again.
    ASSERT_GE(midi.Events().size(), 2u);
    EXPECT_EQ(midi.Events().end()[-2].kind, Kind::AllNotesOff);
    EXPECT_EQ(midi.Events().back().message, (RecordingMidiOut::Message{0xC0, 24, 0}));

    // An inversion plays no arpeggio; a player gone mid-arpeggio leaves nothing behind.
    midi.Clear();
    player->Play(tones, false, Inversion::FirstInversion);
    EXPECT_TRUE(midi.NotesOn().empty());
    player->Play(tones, false, Inversion::RootPosition);
    player.reset();
    loop.RunUntilIdle();
    EXPECT_EQ(midi.NotesOn(), (std::vector<int>{60}));
}

}  // namespace
}  // namespace vorlane
