// The FluidSynth device on a private PulseAudio server that goes away, starts late, freezes and
// comes back: sound returns with the next chord, and no call waits for the server.

#include <gtest/gtest.h>

#include <chrono>

#include "midi/fluidsynth/fluidsynth_midi_out.h"
#include "tests/sound/pulse_server.h"

namespace vorlane {
namespace {

using namespace std::chrono_literals;
using testing::PulseServer;
using testing::WaitUntil;

class SoundServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!PulseServer::Installed()) {
            GTEST_SKIP() << "pulseaudio or parecord is missing; scripts/install-deps installs them";
        }
        FluidSynthOptions options;
        options.openInBackground = false;
        options.audioDrivers = {"pulseaudio"};
        options.stringSettings = {{"audio.pulseaudio.server", server.Address()}};
        synth.emplace(options);
    }

    // An organ chord, held until the next.
    void PlayChord() {
        synth->AllNotesOff();
        synth->ProgramChange(16);
        for (std::uint8_t note : {60, 64, 67}) {
            synth->NoteOn(note, kFullVelocity);
        }
    }
    bool ChordHeard() {
        const std::size_t from = server.RecordedFrames();
        PlayChord();
        return server.HearsSoundAfter(from, 20s);
    }

    PulseServer server;
    std::optional<FluidSynthMidiOut> synth;
};

TEST_F(SoundServerTest, SoundComesBackWhenTheServerStartsLateOrIsRestarted) {
    synth->Open();
    EXPECT_EQ(synth->GetState(), FluidSynthMidiOut::State::Ready);
    EXPECT_FALSE(synth->AudioRunning());

    ASSERT_TRUE(server.Start());
    EXPECT_TRUE(ChordHeard());

    server.Kill();  // while the organ holds the chord
    EXPECT_TRUE(WaitUntil([&] { return !synth->AudioRunning(); }, 20s));
    ASSERT_TRUE(server.Start());
    EXPECT_TRUE(ChordHeard());
    EXPECT_TRUE(synth->AudioRunning());

    // Back before the dead driver was noticed: the chord waits for the new one.
    server.Kill();
    ASSERT_TRUE(server.Start());
    EXPECT_TRUE(ChordHeard());
}

TEST_F(SoundServerTest, AChordPlayedJustBeforeTheServerIsUpSoundsOnceItIs) {
    synth->Open();
    PlayChord();  // the server is not there yet: no driver starts
    ASSERT_TRUE(server.Start());
    EXPECT_TRUE(server.HearsSoundAfter(0, 10s));
}

TEST_F(SoundServerTest, AFrozenServerBlocksNoCallAndSoundResumesWithIt) {
    ASSERT_TRUE(server.Start());
    synth->Open();
    ASSERT_TRUE(ChordHeard());

    // Every call below would hang for as long as the server is frozen if it waited for it.
    server.Freeze();
    EXPECT_TRUE(WaitUntil([&] { return !synth->AudioRunning(); }, 20s));
    const std::size_t beforeResume = server.RecordedFrames();
    PlayChord();  // a new driver is tried, and waits for the server on the worker thread
    server.Resume();
    EXPECT_TRUE(server.HearsSoundAfter(beforeResume, 20s));

    // Closing at once, and closing after the stall was noticed.
    server.Freeze();
    synth->Close();
    EXPECT_EQ(synth->GetState(), FluidSynthMidiOut::State::Closed);
    server.Resume();
    synth->Open();
    ASSERT_TRUE(ChordHeard());
    server.Freeze();
    EXPECT_TRUE(WaitUntil([&] { return !synth->AudioRunning(); }, 20s));
    synth->Close();

    server.Resume();
    EXPECT_TRUE(FluidSynthMidiOut::WaitForBackgroundThreads(20s));
}

}  // namespace
}  // namespace vorlane
