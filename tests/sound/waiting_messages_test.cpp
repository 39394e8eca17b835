// What reaches the FluidSynth device before its synth is loaded: the load waits for AllowLoad,
// and every message sent meanwhile plays, in order, once it is ready.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <variant>
#include <vector>

#include "midi/fluidsynth/fluidsynth_midi_out.h"
#include "tests/sound/sound_support.h"

namespace vorlane {
namespace {

using testing::MaxLevel;
using testing::MinLevel;
using testing::NoteHz;
using testing::RenderMono;
using testing::RenderOnlyOptions;

constexpr std::uint8_t kOrgan = 16;  // a short release: an ended note is quiet at once
constexpr std::uint8_t kLive = 1;    // the channel of keys played on a MIDI keyboard

struct Reset {};
using Step = std::variant<MidiMessage, Reset>;

struct WaitingCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<int> sounding;
    std::vector<int> ended;  // sent, but must not sound
};

TEST(WaitingMessagesTest, WhatWasSentWhileLoadingPlaysInOrderOnceLoaded) {
    const std::vector<WaitingCase> cases = {
        {"a clicked chord: reset, program, notes",
         {Reset{}, ProgramChangeMessage(kChordChannel, kOrgan),
          NoteOnMessage(kChordChannel, 60, 127), NoteOnMessage(kChordChannel, 64, 127)},
         {60, 64},
         {}},
        {"the next chord's reset ends the one before",
         {ProgramChangeMessage(kChordChannel, kOrgan), NoteOnMessage(kChordChannel, 63, 127),
          Reset{}, ProgramChangeMessage(kChordChannel, kOrgan),
          NoteOnMessage(kChordChannel, 60, 127)},
         {60},
         {63}},
        {"a live note on its own channel and program",
         {ProgramChangeMessage(kLive, kOrgan), NoteOnMessage(kLive, 60, 100)},
         {60},
         {}},
        {"a live note released before the load",
         {ProgramChangeMessage(kLive, kOrgan), NoteOnMessage(kLive, 63, 100),
          NoteOffMessage(kLive, 63), NoteOnMessage(kLive, 66, 100), NoteOnMessage(kLive, 66, 0),
          NoteOnMessage(kLive, 60, 100)},
         {60},
         {63, 66}},
    };
    for (const WaitingCase& c : cases) {
        SCOPED_TRACE(c.name);
        FluidSynthOptions options = RenderOnlyOptions();
        options.deferLoad = true;
        FluidSynthMidiOut synth{options};
        synth.Open();
        for (const Step& step : c.steps) {
            if (std::holds_alternative<Reset>(step)) {
                synth.AllNotesOff();
            } else {
                synth.Send(std::get<MidiMessage>(step));
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(synth.GetState(), FluidSynthMidiOut::State::Loading);  // nothing loads yet

        synth.AllowLoad();
        ASSERT_TRUE(synth.WaitUntilLoaded());
        RenderMono(synth, 0.1);
        const auto sound = RenderMono(synth, 0.4);
        double loudest = 0.0;
        for (int note : c.sounding) {
            loudest = std::max(loudest, MinLevel(sound, {NoteHz(note)}));
        }
        for (int note : c.sounding) {
            EXPECT_GT(MinLevel(sound, {NoteHz(note)}), 0.2 * loudest) << note;
        }
        for (int note : c.ended) {
            EXPECT_LT(MaxLevel(sound, {NoteHz(note)}), 0.05 * loudest) << note;
        }
        EXPECT_GT(loudest, 1e-3);
    }
}

}  // namespace
}  // namespace vorlane
