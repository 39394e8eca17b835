#pragma once

#include <atomic>
#include <bitset>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "midi/fluidsynth/fluidsynth_midi_out.h"

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

namespace vorlane::synth {

struct FluidApi;

// Threads that may outlive their device: a worker Close did not wait for, and the threads that
// delete a hung audio driver. Counted so that tests can wait for them.
void EnterBackgroundThread();
void LeaveBackgroundThread();
bool WaitForBackgroundThreads(std::chrono::milliseconds limit);

// The synth, its audio driver and the state the device's threads share. The worker and the
// threads deleting a hung driver each hold a reference, so a Close that stopped waiting for
// them frees nothing they still use: the last one out deletes the synth.
class SynthCore final : public std::enable_shared_from_this<SynthCore> {
  public:
    using State = FluidSynthMidiOut::State;
    using Clock = std::chrono::steady_clock;

    explicit SynthCore(const FluidSynthOptions& options);
    ~SynthCore();
    SynthCore(const SynthCore&) = delete;
    SynthCore& operator=(const SynthCore&) = delete;

    // The worker thread's whole life: load, keep the audio driver going, tear it down.
    void Run();
    void MarkSilent();
    void RequestStop();
    bool WaitUntilWorkerDone(std::chrono::milliseconds limit);

    void ReleaseAllNotes();
    // Note-on, note-off, program or control change on any channel. While the synth loads,
    // messages wait, in order, and play once it is ready.
    void Send(const MidiMessage& message);

    State GetState() const;
    bool WaitUntilLoaded();
    bool AudioRunning() const;
    std::string SoundFontPath() const;
    std::string AudioDriverName() const;
    int ActiveVoices() const;
    bool Render(std::span<float> left, std::span<float> right);

  private:
    // What a callback-mode driver renders through; the generation tells a retired driver's
    // late calls from the current one's.
    struct DriverSlot {
        SynthCore* core;
        std::uint64_t generation;
    };

    static int RenderPeriod(void* data, int length, int fxCount, float* fx[], int outCount,
                            float* out[]);

    bool Load();
    void Play(const MidiMessage& message);
    void PlayPending();
    void Supervise(std::unique_lock<std::mutex>& lock);
    // Retires a stalled driver, or an idle one after idleStop.
    void CheckDriver(std::unique_lock<std::mutex>& lock, Clock::time_point& lastSound);
    void StartAudio(std::unique_lock<std::mutex>& lock);
    void RetireDriver(std::unique_lock<std::mutex>& lock);
    void DeleteInBackground(fluid_audio_driver_t* driver, std::unique_ptr<DriverSlot> slot);
    bool Stalled(Clock::time_point now) const;
    bool Rendering() const;

    const FluidSynthOptions options_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    State state_ = State::Loading;
    bool stopRequested_ = false;
    bool workerDone_ = false;
    bool audioWanted_ = false;
    std::vector<MidiMessage> pending_;  // while loading
    // The SoundFont is loaded without choosing presets, so that only the instruments played
    // are read: a channel's first note without a program change gets program 0 first.
    std::bitset<kMidiChannels> programChosen_;

    // Set once by the worker before any driver exists; deleted by the last owner.
    const FluidApi* api_ = nullptr;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    // Under mutex_. slot_ is null for drivers without a render callback.
    fluid_audio_driver_t* driver_ = nullptr;
    std::unique_ptr<DriverSlot> slot_;
    bool sdlAudioStarted_ = false;
    std::string soundFont_;
    std::string driverName_;

    std::mutex renderMutex_;  // one driver at a time renders the synth
    std::uint64_t liveGeneration_ = 0;
    std::uint64_t generations_ = 0;
    std::atomic<Clock::rep> lastRender_{0};
    std::atomic<int> periods_{0};  // rendered by the current driver
};

}  // namespace vorlane::synth
