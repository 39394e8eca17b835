// The FluidSynth device rendered into memory: the right pitches, programs, reset and level.

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <optional>

#include "midi/fluidsynth/fluidsynth_midi_out.h"
#include "tests/sound/sound_support.h"

namespace vorlane {
namespace {

using testing::MaxLevel;
using testing::MinLevel;
using testing::RenderMono;
using testing::RenderOnlyOptions;
using testing::RenderPeak;
using testing::Rms;
using testing::ToneLevel;

constexpr std::uint8_t kPiano = 0;
constexpr std::uint8_t kOrgan = 16;
constexpr std::uint8_t kGuitar = 24;

// Note n sounds at 440 * 2^((n - 69) / 12) Hz.
double Hz(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

class RenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        synth.Open();
        ASSERT_EQ(synth.GetState(), FluidSynthMidiOut::State::Ready);
    }

    void Play(std::uint8_t program, std::initializer_list<int> notes) {
        synth.AllNotesOff();
        synth.ProgramChange(program);
        for (int note : notes) {
            synth.NoteOn(static_cast<std::uint8_t>(note), kFullVelocity);
        }
    }

    // Lets the attack pass, then returns a steady stretch of the sound.
    std::vector<float> Listen() {
        RenderMono(synth, 0.1);
        return RenderMono(synth, 0.4);
    }

    FluidSynthMidiOut synth{RenderOnlyOptions()};
};

TEST_F(RenderTest, OrganChordSoundsItsNotesInEitherOctave) {
    // The drawbar organ also sounds one and two octaves down, so only neighbours are off-pitch.
    Play(kOrgan, {48, 52, 55});
    auto sound = Listen();
    EXPECT_GT(MinLevel(sound, {Hz(48), Hz(52), Hz(55)}),
              10 * MaxLevel(sound, {Hz(47), Hz(49), Hz(50), Hz(51), Hz(53), Hz(54), Hz(56)}));

    synth.AllNotesOff();
    RenderMono(synth, 0.5);  // the low chord's release
    Play(kOrgan, {60, 64, 67});
    sound = Listen();
    EXPECT_GT(MinLevel(sound, {Hz(60), Hz(64), Hz(67)}),
              10 * MaxLevel(sound, {Hz(59), Hz(61), Hz(62), Hz(63), Hz(65), Hz(66), Hz(68)}));
}

TEST_F(RenderTest, PianoAndGuitarSoundAtTheChosenOctave) {
    for (std::uint8_t program : {kPiano, kGuitar}) {
        SCOPED_TRACE(program);
        Play(program, {48, 52, 55});
        auto sound = Listen();
        EXPECT_GT(MinLevel(sound, {Hz(48), Hz(52), Hz(55)}),
                  10 * MaxLevel(sound, {Hz(47), Hz(49), Hz(50), Hz(51), Hz(53), Hz(54)}));

        synth.AllNotesOff();
        RenderMono(synth, 1.0);  // the low chord's release
        Play(program, {60, 64, 67});
        sound = Listen();
        EXPECT_GT(MinLevel(sound, {Hz(60), Hz(64), Hz(67)}),
                  10 * MaxLevel(sound, {Hz(48), Hz(52), Hz(55), Hz(61), Hz(63), Hz(66)}));
        synth.AllNotesOff();
        RenderMono(synth, 1.0);
    }
}

TEST_F(RenderTest, ProgramChangeSelectsTheInstrument) {
    // The guitar's fourth partial (two octaves up) is about four times as strong as the piano's.
    auto profile = [&](std::uint8_t program) {
        Play(program, {60});
        const auto sound = Listen();
        synth.AllNotesOff();
        RenderMono(synth, 1.0);
        return ToneLevel(sound, Hz(84)) / ToneLevel(sound, Hz(60));
    };
    const double piano = profile(kPiano);
    const double guitar = profile(kGuitar);
    EXPECT_GT(guitar, 2.5 * piano);
    EXPECT_NEAR(profile(kPiano), piano, 0.2 * piano);
}

TEST_F(RenderTest, EveryChannelSoundsFromItsFirstNoteInItsProgram) {
    // Instruments are read from the SoundFont only once a channel chooses one: a channel's
    // first note without a program change plays program 0 (the drum kit on channel 10).
    struct Case {
        const char* name;
        std::uint8_t channel;
        std::optional<std::uint8_t> program;
        int note;
    };
    const Case cases[] = {
        {"chords, no program", kChordChannel, std::nullopt, 60},
        {"live keys, no program", 1, std::nullopt, 60},
        {"live keys on the guitar", 1, kGuitar, 60},
        {"drums", 9, std::nullopt, 38},
        {"last channel on the organ", 15, kOrgan, 60},
    };
    double pianoProfile = 0.0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.program) {
            synth.Send(ProgramChangeMessage(c.channel, *c.program));
        }
        synth.Send(NoteOnMessage(c.channel, static_cast<std::uint8_t>(c.note), kFullVelocity));
        EXPECT_GT(Rms(RenderMono(synth, 0.1)), 0.01);  // a drum's sound is short
        const auto sound = RenderMono(synth, 0.4);
        // The guitar's fourth partial stands out against the piano's (see below).
        const double profile = ToneLevel(sound, Hz(c.note + 24)) / ToneLevel(sound, Hz(c.note));
        if (c.channel == kChordChannel) {
            pianoProfile = profile;
        } else if (c.program == kGuitar) {
            EXPECT_GT(profile, 2.5 * pianoProfile);
        }
        synth.AllNotesOff();
        RenderMono(synth, 1.0);
    }
}

TEST_F(RenderTest, ResetEndsAHeldChord) {
    Play(kOrgan, {48, 52, 55});
    RenderMono(synth, 1.0);
    const double held = Rms(RenderMono(synth, 0.2));
    ASSERT_GT(held, 0.02);

    synth.AllNotesOff();
    RenderMono(synth, 1.0);
    EXPECT_LT(Rms(RenderMono(synth, 0.2)), 0.01 * held);
    EXPECT_EQ(synth.ActiveVoices(), 0);

    Play(kPiano, {48, 52, 55, 60});
    RenderMono(synth, 0.2);
    synth.AllNotesOff();
    RenderMono(synth, 1.5);
    EXPECT_LT(Rms(RenderMono(synth, 0.2)), 0.01 * held);
}

TEST_F(RenderTest, SevenLoudNotesNeverClip) {
    // Every thirteenth chord (major, dominant, minor) on every root, struck at full velocity
    // one after another as fast as a user clicks, so the tails of earlier chords add up.
    constexpr int kThirteenths[3][7] = {
        {0, 4, 7, 11, 14, 17, 21}, {0, 4, 7, 10, 14, 17, 21}, {0, 3, 7, 10, 14, 17, 21}};
    for (std::uint8_t program : {kOrgan, kGuitar, kPiano}) {
        float peak = 0.0f;
        for (const auto& chord : kThirteenths) {
            for (int root = 48; root < 72; root += 2) {
                synth.AllNotesOff();
                synth.ProgramChange(program);
                for (int step : chord) {
                    synth.NoteOn(static_cast<std::uint8_t>(root + step), kFullVelocity);
                }
                peak = std::max(peak, RenderPeak(synth, 0.05));
            }
        }
        peak = std::max(peak, RenderPeak(synth, 0.5));
        EXPECT_LT(peak, 0.95f) << int{program};
        EXPECT_GT(peak, program == kOrgan ? 0.5f : 0.25f) << int{program};
        synth.AllNotesOff();
        RenderMono(synth, 1.0);
    }
}

TEST(RenderLifecycleTest, CallsBeforeOpenAndAfterCloseChangeNothing) {
    FluidSynthMidiOut synth{RenderOnlyOptions()};
    synth.ProgramChange(kOrgan);
    synth.NoteOn(60, kFullVelocity);
    synth.AllNotesOff();
    synth.Close();
    EXPECT_EQ(synth.GetState(), FluidSynthMidiOut::State::Closed);
    EXPECT_TRUE(RenderMono(synth, 0.1).empty());

    synth.Open();
    ASSERT_EQ(synth.GetState(), FluidSynthMidiOut::State::Ready);
    EXPECT_LT(Rms(RenderMono(synth, 0.3)), 1e-6);
    synth.NoteOn(60, kFullVelocity);
    EXPECT_GT(Rms(RenderMono(synth, 0.3)), 0.01);

    synth.Close();
    synth.NoteOn(64, kFullVelocity);
    synth.ProgramChange(kGuitar);
    synth.AllNotesOff();
    EXPECT_TRUE(RenderMono(synth, 0.1).empty());
    EXPECT_EQ(synth.ActiveVoices(), 0);

    // Opened again, it starts from silence.
    synth.Open();
    ASSERT_EQ(synth.GetState(), FluidSynthMidiOut::State::Ready);
    EXPECT_LT(Rms(RenderMono(synth, 0.3)), 1e-6);
}

}  // namespace
}  // namespace vorlane
