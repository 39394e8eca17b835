// Opening the FluidSynth device: SoundFont and audio driver fall-backs, the background load,
// and stopping the audio driver while nothing sounds.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "midi/fluidsynth/fluidsynth_midi_out.h"
#include "tests/sound/sound_support.h"

namespace vorlane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using State = FluidSynthMidiOut::State;
using testing::RenderMono;
using testing::RenderOnlyOptions;
using testing::Rms;

class TempDir {
  public:
    TempDir() : path_(fs::temp_directory_path() / ("vorlane-sound-" + std::to_string(getpid()))) {
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    fs::path operator/(const std::string& name) const { return path_ / name; }

  private:
    fs::path path_;
};

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

// Every call of a silent device is ignored without harm.
void ExpectSilentDevice(FluidSynthMidiOut& synth) {
    EXPECT_EQ(synth.GetState(), State::Silent);
    synth.ProgramChange(16);
    synth.NoteOn(60, kFullVelocity);
    synth.AllNotesOff();
    EXPECT_FALSE(synth.AudioRunning());
    EXPECT_EQ(synth.ActiveVoices(), 0);
    synth.Close();
    EXPECT_EQ(synth.GetState(), State::Closed);
}

std::string FirstInstalledSoundFont() {
    for (const std::string& path : DefaultSoundFonts()) {
        if (fs::exists(path)) {
            return path;
        }
    }
    return {};
}

TEST(SoundFontTest, TheFirstThatLoadsIsUsedAndNoneLeavesTheDeviceSilent) {
    TempDir dir;
    const fs::path garbage = dir / "garbage.sf2";
    std::ofstream(garbage) << "RIFF but not a SoundFont";

    FluidSynthOptions options = RenderOnlyOptions();
    options.soundFonts = {(dir / "missing.sf2").string(), garbage.string()};
    FluidSynthMidiOut missing{options};
    missing.Open();
    EXPECT_EQ(missing.SoundFontPath(), "");
    EXPECT_TRUE(RenderMono(missing, 0.1).empty());
    ExpectSilentDevice(missing);

    const std::string installed = FirstInstalledSoundFont();
    ASSERT_NE(installed, "") << "a General MIDI SoundFont must be installed";
    const std::vector<std::string> defaults = DefaultSoundFonts();
    options.soundFonts.insert(options.soundFonts.end(), defaults.begin(), defaults.end());
    FluidSynthMidiOut found{options};
    found.Open();
    EXPECT_EQ(found.GetState(), State::Ready);
    EXPECT_EQ(found.SoundFontPath(), installed);
}

TEST(SoundFontTest, WithoutFluidSynthTheDeviceIsSilentAndSaysSo) {
    FluidSynthOptions options = RenderOnlyOptions();
    options.synthLibrary = "libvorlane-no-such-synth.so.3";
    FluidSynthMidiOut synth{options};
    ::testing::internal::CaptureStderr();
    synth.Open();
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(told.find("vorlane: no built-in sound: libvorlane-no-such-synth.so.3"),
              std::string::npos)
        << told;
    EXPECT_TRUE(RenderMono(synth, 0.1).empty());
    ExpectSilentDevice(synth);
}

TEST(AudioDriverTest, WithoutAWorkingDriverTheDeviceOpensAtOnceAndStaysQuiet) {
    const std::vector<std::pair<std::vector<std::string>, std::map<std::string, std::string>>>
        cases = {
            {{"nosuchdriver"}, {}},
            {{"jack"}, {}},  // never tried: a missing JACK server takes seconds to fail
            {{"pulseaudio"}, {{"audio.pulseaudio.server", "unix:/nonexistent/pulse/native"}}},
            {{"alsa"}, {{"audio.alsa.device", "hw:CARD=NoSuchCard"}}},
        };
    for (const auto& [drivers, settings] : cases) {
        SCOPED_TRACE(drivers.front());
        FluidSynthOptions options;
        options.audioDrivers = drivers;
        options.stringSettings = settings;
        FluidSynthMidiOut synth{options};
        synth.Open();
        EXPECT_TRUE(WaitFor([&] { return synth.GetState() != State::Loading; }, 10s));
        EXPECT_EQ(synth.AudioDriverName(), "");
        // Ready for a driver that may work later: each note tries again.
        EXPECT_EQ(synth.GetState(), State::Ready);
        synth.ProgramChange(16);
        synth.NoteOn(60, kFullVelocity);
        synth.AllNotesOff();
        EXPECT_FALSE(synth.AudioRunning());
        synth.Close();
        EXPECT_EQ(synth.GetState(), State::Closed);
    }
}

TEST(AudioDriverTest, FallsBackToTheNextDriverAndStopsItWhileNothingSounds) {
    TempDir dir;
    const fs::path output = dir / "out.wav";
    FluidSynthOptions options;
    options.openInBackground = false;
    options.audioDrivers = {"pulseaudio", "file"};
    options.stringSettings = {{"audio.pulseaudio.server", "unix:/nonexistent/pulse/native"},
                              {"audio.file.name", output.string()}};
    options.idleStop = 50ms;
    FluidSynthMidiOut synth{options};
    synth.Open();
    ASSERT_EQ(synth.GetState(), State::Ready);
    EXPECT_EQ(synth.AudioDriverName(), "file");
    EXPECT_TRUE(synth.AudioRunning());
    EXPECT_TRUE(RenderMono(synth, 0.01).empty());  // the driver owns the synth

    EXPECT_TRUE(WaitFor([&] { return !synth.AudioRunning(); }, 3s));

    // A note starts the driver again, and it keeps running while the organ holds the note.
    synth.ProgramChange(16);
    synth.NoteOn(60, kFullVelocity);
    EXPECT_TRUE(WaitFor([&] { return synth.AudioRunning(); }, 1s));
    // 16-bit stereo: four idle stops' worth of sound written with the note held.
    const auto held = fs::file_size(output) + 4 * 44100 * 4 * options.idleStop.count() / 1000;
    EXPECT_TRUE(WaitFor([&] { return fs::file_size(output) > held; }, 10s));
    EXPECT_TRUE(synth.AudioRunning());
    EXPECT_GT(synth.ActiveVoices(), 0);

    synth.AllNotesOff();
    EXPECT_TRUE(WaitFor([&] { return !synth.AudioRunning(); }, 3s));
    synth.Close();
    EXPECT_FALSE(synth.AudioRunning());
    EXPECT_GT(fs::file_size(output), 44u);  // more than a WAV header: the driver rendered
}

TEST(BackgroundOpenTest, ReturnsAtOnceAndPlaysWhatArrivedWhileLoading) {
    // Loading blocks on a FIFO until the test writes to it.
    TempDir dir;
    const fs::path fifo = dir / "slow.sf2";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    FluidSynthOptions options = RenderOnlyOptions();
    options.openInBackground = true;
    options.soundFonts.insert(options.soundFonts.begin(), fifo.string());
    FluidSynthMidiOut synth{options};
    synth.Open();
    EXPECT_EQ(synth.GetState(), State::Loading);
    synth.ProgramChange(16);
    synth.NoteOn(64, kFullVelocity);
    std::ofstream(fifo) << "not a SoundFont";
    ASSERT_TRUE(synth.WaitUntilLoaded());
    EXPECT_GT(synth.ActiveVoices(), 0);
    EXPECT_GT(Rms(RenderMono(synth, 0.2)), 0.01);

    // Closing during the load does not wait for it; the load ends on its own, freeing all.
    synth.Close();
    synth.Open();
    synth.NoteOn(60, kFullVelocity);
    synth.Close();
    EXPECT_EQ(synth.GetState(), State::Closed);
    std::ofstream(fifo) << "not a SoundFont";
    EXPECT_TRUE(FluidSynthMidiOut::WaitForBackgroundThreads(20s));
}

}  // namespace
}  // namespace vorlane
