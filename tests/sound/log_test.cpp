// FluidSynth's own messages reach standard error only when VORLANE_SYNTH_LOG asks for them.
// Built twice (see CMakeLists.txt): VORLANE_EXPECT_SYNTH_LOG is defined where the variable is
// set to 1.

#include <gtest/gtest.h>

#include <string>

#include "midi/fluidsynth/fluidsynth_midi_out.h"

namespace vorlane {
namespace {

std::string StderrOfFailingOpens() {
    ::testing::internal::CaptureStderr();
    FluidSynthOptions noSoundFont;
    noSoundFont.openInBackground = false;
    noSoundFont.soundFonts = {"/nonexistent/none.sf2"};
    FluidSynthMidiOut(noSoundFont).Open();

    FluidSynthOptions noDevice;
    noDevice.openInBackground = false;
    noDevice.audioDrivers = {"alsa", "pulseaudio"};
    noDevice.stringSettings = {{"audio.alsa.device", "hw:CARD=NoSuchCard"},
                               {"audio.pulseaudio.server", "unix:/nonexistent/pulse/native"}};
    FluidSynthMidiOut(noDevice).Open();
    return ::testing::internal::GetCapturedStderr();
}

#ifdef VORLANE_EXPECT_SYNTH_LOG
TEST(SynthLogTest, FailuresAreExplainedOnStandardErrorWhenAsked) {
    const std::string printed = StderrOfFailingOpens();
    EXPECT_NE(printed.find("fluidsynth: error:"), std::string::npos) << printed;
    EXPECT_NE(printed.find("none.sf2"), std::string::npos) << printed;
}
#else
TEST(SynthLogTest, FailuresPrintNothingByDefault) {
    EXPECT_EQ(StderrOfFailingOpens(), "");
}
#endif

}  // namespace
}  // namespace vorlane
