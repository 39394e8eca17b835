#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "midi/midi_out.h"

namespace vorlane {

// The General MIDI SoundFonts tried in order; the first that loads is used.
std::vector<std::string> DefaultSoundFonts();

// The FluidSynth library loaded at run time (the one the program was built against).
std::string DefaultSynthLibrary();

struct FluidSynthOptions {
    // Without it the device is silent (and says so once on standard error).
    std::string synthLibrary = DefaultSynthLibrary();
    std::vector<std::string> soundFonts = DefaultSoundFonts();
    // JACK is never tried, even when listed: without a server it takes seconds to fail.
    std::vector<std::string> audioDrivers = {"pulseaudio", "alsa", "sdl2"};
    // Without audio the synth only advances through Render (tests, measurements).
    bool startAudio = true;
    // Open returns at once and the synth is built on a worker thread; messages that arrive
    // meanwhile are queued and played when it is ready. False: Open waits (tests).
    bool openInBackground = true;
    // Open only queues: the synth is made once AllowLoad is called, so that loading does not
    // compete with the window's first paint.
    bool deferLoad = false;
    // 256 frames at 44.1 kHz is 5.8 ms per period; see bench/sound for the measured latency.
    int periodSize = 256;
    int periods = 2;
    double sampleRate = 44100.0;
    // Seven notes at velocity 127 on the drawbar organ, the loudest case, peak below 0.8 even
    // when such chords follow each other quickly.
    double gain = 0.15;
    // The audio driver is stopped after this long without a sounding voice and started again
    // by the next note, because rendering silence costs several percent of a core. Zero keeps
    // it running.
    std::chrono::milliseconds idleStop{5000};
    // A driver that has not asked for audio for this long is taken for dead or hung (server
    // killed or frozen) and replaced when sound is next wanted.
    std::chrono::milliseconds driverStall{1000};
    // Close waits this long for the worker, then leaves it to finish on its own.
    std::chrono::milliseconds closeWait{300};
    // Extra FluidSynth string settings, e.g. {"audio.pulseaudio.server", "unix:/run/x"}.
    std::map<std::string, std::string> stringSettings;
};

namespace synth {
class SynthCore;
}

// Device 0: an embedded FluidSynth playing a GM SoundFont on the desktop's audio. Every
// MidiOut call comes from one thread (the GUI thread) and never waits for the audio server;
// FluidSynth's audio thread and this class's worker thread are internal. Without a SoundFont
// the device is silent; without a working audio driver it stays ready and tries again with
// the next note, so sound comes back once the server is (back) up.
class FluidSynthMidiOut final : public MidiOut {
  public:
    enum class State { Closed, Loading, Ready, Silent };

    explicit FluidSynthMidiOut(FluidSynthOptions options = {});
    ~FluidSynthMidiOut() override;
    FluidSynthMidiOut(const FluidSynthMidiOut&) = delete;
    FluidSynthMidiOut& operator=(const FluidSynthMidiOut&) = delete;

    void Open() override;
    void AllNotesOff() override;
    void Close() override;
    // Messages on every channel wait, in order, while the synth loads and play when it is
    // ready; a reset meanwhile drops the notes waiting.
    void Send(const MidiMessage& message) override;

    // With deferLoad: from now on the synth loads, at once if the device is open.
    void AllowLoad();

    State GetState() const;
    // Blocks until a background Open has finished; returns whether the synth is Ready. False
    // at once while a deferred load is not allowed yet.
    bool WaitUntilLoaded();
    // Whether an audio driver is rendering the synth: false once one has stalled.
    bool AudioRunning() const;
    std::string SoundFontPath() const;
    std::string AudioDriverName() const;  // the driver that opened last, empty if none did
    int ActiveVoices() const;

    // Renders stereo audio into the buffers (equal sizes). Only without audio; returns false
    // (buffers untouched) when there is no synth or an audio driver owns it.
    bool Render(std::span<float> left, std::span<float> right);

    // A Close that cannot finish at once (a hung audio server) leaves the rest to threads of
    // their own. Waits until every such thread of the process has ended; for tests and benches.
    static bool WaitForBackgroundThreads(std::chrono::milliseconds limit);

  private:
    void StartWorker();

    const FluidSynthOptions options_;
    std::shared_ptr<synth::SynthCore> core_;
    std::thread worker_;
    bool loadAllowed_ = false;
};

}  // namespace vorlane
