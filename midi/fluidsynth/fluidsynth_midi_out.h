#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "midi/midi_out.h"

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

namespace vorlane {

// The General MIDI SoundFonts tried in order; the first that loads is used.
std::vector<std::string> DefaultSoundFonts();

struct FluidSynthOptions {
    std::vector<std::string> soundFonts = DefaultSoundFonts();
    // JACK is never tried, even when listed: without a server it takes seconds to fail.
    std::vector<std::string> audioDrivers = {"pulseaudio", "alsa", "sdl2"};
    // Without audio the synth only advances through Render (tests, measurements).
    bool startAudio = true;
    // Open returns at once and the synth is built on a worker thread; messages that arrive
    // meanwhile are queued and played when it is ready. False: Open waits (tests).
    bool openInBackground = true;
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
    // Extra FluidSynth string settings, e.g. {"audio.pulseaudio.server", "unix:/run/x"}.
    std::map<std::string, std::string> stringSettings;
};

// Device 0: an embedded FluidSynth playing a GM SoundFont on the desktop's audio. Every
// MidiOut call comes from one thread (the GUI thread); FluidSynth's audio thread and this
// class's worker thread are internal. Any failure (no SoundFont, no audio device) leaves a
// silent device.
class FluidSynthMidiOut final : public MidiOut {
  public:
    enum class State { Closed, Loading, Ready, Silent };

    explicit FluidSynthMidiOut(FluidSynthOptions options = {});
    ~FluidSynthMidiOut() override;
    FluidSynthMidiOut(const FluidSynthMidiOut&) = delete;
    FluidSynthMidiOut& operator=(const FluidSynthMidiOut&) = delete;

    void Open() override;
    void Reset() override;
    void Close() override;
    void ProgramChange(std::uint8_t program) override;
    void NoteOn(std::uint8_t note, std::uint8_t velocity) override;

    State GetState() const;
    // Blocks until a background Open has finished; returns whether the synth is Ready.
    bool WaitUntilLoaded();
    bool AudioRunning() const;
    std::string SoundFontPath() const;
    std::string AudioDriverName() const;  // the driver that opened last, empty if none did
    int ActiveVoices() const;

    // Renders stereo audio into the buffers (equal sizes). Only without audio; returns false
    // (buffers untouched) when there is no synth or an audio driver owns it.
    bool Render(std::span<float> left, std::span<float> right);

  private:
    void Load();
    void Supervise();
    void StopAudioIfIdle(std::unique_lock<std::mutex>& lock,
                         std::chrono::steady_clock::time_point& lastSound);
    void StartAudio(std::unique_lock<std::mutex>& lock);
    void PlayPending();
    void TearDown();

    const FluidSynthOptions options_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    State state_ = State::Closed;
    bool stopRequested_ = false;
    bool audioWanted_ = false;
    std::optional<std::uint8_t> pendingProgram_;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> pendingNotes_;
    std::thread worker_;

    // Created and destroyed while no other thread uses them; driver_ changes under mutex_.
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    bool sdlAudioStarted_ = false;
    std::string soundFont_;
    std::string driverName_;
};

}  // namespace vorlane
