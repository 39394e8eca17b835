#include "midi/fluidsynth/synth_core.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <utility>

#include "midi/fluidsynth/synth_engine.h"

namespace vorlane::synth {
namespace {

constexpr std::size_t kMaxPending = 1024;
constexpr int kSettledPeriods = 3;
constexpr int kStartGrace = 10;
constexpr std::chrono::milliseconds kMaxPoll{250};
constexpr std::chrono::milliseconds kDriverRetry{500};

struct BackgroundThreads {
    std::mutex mutex;
    std::condition_variable ended;
    int count = 0;
};

// Never destroyed: a background thread may still end while the process exits.
BackgroundThreads& Background() {
    static auto* threads = new BackgroundThreads;
    return *threads;
}

// FluidSynth shares state between synths (its sample cache): one synth is made or deleted at a
// time, since a closed device's synth may be deleted by a thread of its own while a new one loads.
std::mutex& SynthLifecycle() {
    static auto* mutex = new std::mutex;
    return *mutex;
}

void DeleteSynth(const FluidApi* api, fluid_synth_t* synth, fluid_settings_t* settings) {
    std::lock_guard lock(SynthLifecycle());
    if (synth != nullptr) {
        api->delete_fluid_synth(synth);
    }
    if (settings != nullptr) {
        api->delete_fluid_settings(settings);
    }
}

bool IsNoteEndingController(std::uint8_t controller) {
    return controller == kSustainController || controller == kSostenutoController ||
           controller == kAllNotesOffController || controller == kAllSoundOffController;
}

}  // namespace

void EnterBackgroundThread() {
    std::lock_guard lock(Background().mutex);
    ++Background().count;
}

void LeaveBackgroundThread() {
    BackgroundThreads& threads = Background();
    std::lock_guard lock(threads.mutex);
    --threads.count;
    threads.ended.notify_all();
}

bool WaitForBackgroundThreads(std::chrono::milliseconds limit) {
    BackgroundThreads& threads = Background();
    std::unique_lock lock(threads.mutex);
    return threads.ended.wait_for(lock, limit, [&] { return threads.count == 0; });
}

SynthCore::SynthCore(const FluidSynthOptions& options) : options_(options) {}

SynthCore::~SynthCore() {
    if (driver_ != nullptr) {
        api_->delete_fluid_audio_driver(driver_);
    }
    DeleteSynth(api_, synth_, settings_);
    if (sdlAudioStarted_) {
        StopSdlAudio(*api_);
    }
}

void SynthCore::Run() {
    const bool loaded = Load();
    std::unique_lock lock(mutex_);
    if (loaded && options_.startAudio) {
        Supervise(lock);
    }
    RetireDriver(lock);
    workerDone_ = true;
    changed_.notify_all();
}

void SynthCore::MarkSilent() {
    std::lock_guard lock(mutex_);
    state_ = State::Silent;
    workerDone_ = true;
    changed_.notify_all();
}

void SynthCore::RequestStop() {
    std::lock_guard lock(mutex_);
    stopRequested_ = true;
    changed_.notify_all();
}

bool SynthCore::WaitUntilWorkerDone(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [this] { return workerDone_; });
}

void SynthCore::ReleaseAllNotes() {
    std::lock_guard lock(mutex_);
    if (state_ == State::Loading) {
        // What the reset would end never starts; programs and other controllers stay.
        std::erase_if(pending_, [](const MidiMessage& m) {
            return m.Kind() == kNoteOnStatus || m.Kind() == kNoteOffStatus ||
                   (m.Kind() == kControlChangeStatus && IsNoteEndingController(m.data1));
        });
    } else if (state_ == State::Ready) {
        if (options_.startAudio && !Rendering()) {
            SilenceAllNotes(*api_, synth_);
        } else {
            synth::ReleaseAllNotes(*api_, synth_);
        }
    }
}

void SynthCore::Send(const MidiMessage& message) {
    std::lock_guard lock(mutex_);
    if (state_ == State::Loading) {
        // Bounded; past the bound only note-offs still wait, so that no waiting note sticks.
        const std::size_t bound = message.IsNoteOff() ? 2 * kMaxPending : kMaxPending;
        if (pending_.size() < bound) {
            pending_.push_back(message);
        }
    } else if (state_ == State::Ready) {
        Play(message);
    }
}

void SynthCore::Play(const MidiMessage& message) {
    const int channel = message.Channel();
    switch (message.Kind()) {
        case kNoteOnStatus:
            if (!programChosen_.test(channel)) {
                api_->fluid_synth_program_change(synth_, channel, 0);
                programChosen_.set(channel);
            }
            api_->fluid_synth_noteon(synth_, channel, message.data1, message.data2);
            if (message.IsNoteOn() && options_.startAudio && !Rendering()) {
                // The synth holds the note until a driver renders it, from its start.
                audioWanted_ = true;
                changed_.notify_all();
            }
            break;
        case kNoteOffStatus:
            api_->fluid_synth_noteoff(synth_, channel, message.data1);
            break;
        case kProgramChangeStatus:
            api_->fluid_synth_program_change(synth_, channel, message.data1);
            programChosen_.set(channel);
            break;
        case kControlChangeStatus:
            api_->fluid_synth_cc(synth_, channel, message.data1, message.data2);
            break;
        default:
            break;
    }
}

SynthCore::State SynthCore::GetState() const {
    std::lock_guard lock(mutex_);
    return state_;
}

bool SynthCore::WaitUntilLoaded() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return state_ != State::Loading; });
    return state_ == State::Ready;
}

bool SynthCore::AudioRunning() const {
    std::lock_guard lock(mutex_);
    return Rendering();
}

std::string SynthCore::SoundFontPath() const {
    std::lock_guard lock(mutex_);
    return soundFont_;
}

std::string SynthCore::AudioDriverName() const {
    std::lock_guard lock(mutex_);
    return driverName_;
}

int SynthCore::ActiveVoices() const {
    std::lock_guard lock(mutex_);
    return state_ == State::Ready ? api_->fluid_synth_get_active_voice_count(synth_) : 0;
}

bool SynthCore::Render(std::span<float> left, std::span<float> right) {
    std::lock_guard lock(mutex_);
    if (state_ != State::Ready || options_.startAudio || left.size() != right.size()) {
        return false;
    }
    const int frames = static_cast<int>(left.size());
    return api_->fluid_synth_write_float(synth_, frames, left.data(), 0, 1, right.data(), 0, 1) ==
           FLUID_OK;
}

int SynthCore::RenderPeriod(void* data, int length, int fxCount, float* fx[], int outCount,
                            float* out[]) {
    for (int i = 0; i < outCount; ++i) {
        std::fill_n(out[i], length, 0.0f);
    }
    for (int i = 0; i < fxCount; ++i) {
        if (fx[i] != nullptr) {
            std::fill_n(fx[i], length, 0.0f);
        }
    }
    const auto* slot = static_cast<const DriverSlot*>(data);
    SynthCore& core = *slot->core;
    std::lock_guard lock(core.renderMutex_);
    if (slot->generation != core.liveGeneration_ || outCount < 2) {
        return FLUID_OK;  // a retired driver come back to life plays silence
    }
    core.lastRender_.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
    core.periods_.fetch_add(1, std::memory_order_relaxed);
    if (fxCount > 0) {
        return core.api_->fluid_synth_process(core.synth_, length, fxCount, fx, 2, out);
    }
    // Reverb and chorus mixed into the dry output, as FluidSynth's own drivers do.
    float* mix[4] = {out[0], out[1], out[0], out[1]};
    return core.api_->fluid_synth_process(core.synth_, length, 4, mix, 2, out);
}

bool SynthCore::Load() {
    const FluidApi* api = LoadFluidApi(options_.synthLibrary);
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    std::string soundFont;
    if (api != nullptr) {
        RouteLog(*api);
        std::lock_guard lifecycle(SynthLifecycle());
        settings = NewSettings(*api, options_);
        synth = settings != nullptr ? api->new_fluid_synth(settings) : nullptr;
        if (synth != nullptr) {
            soundFont = LoadFirstSoundFont(*api, synth, options_.soundFonts);
        }
    }
    if (soundFont.empty() && api != nullptr) {
        DeleteSynth(api, synth, settings);
    }
    std::unique_lock lock(mutex_);
    api_ = api;
    if (soundFont.empty()) {
        state_ = State::Silent;
        changed_.notify_all();
        return false;
    }
    SetFullVolume(*api, synth);
    settings_ = settings;
    synth_ = synth;
    soundFont_ = soundFont;
    if (options_.startAudio && !stopRequested_) {
        // Without a driver the synth is still ready: the next note tries again.
        StartAudio(lock);
    }
    PlayPending();
    state_ = State::Ready;
    changed_.notify_all();
    return true;
}

void SynthCore::PlayPending() {
    for (const MidiMessage& message : pending_) {
        Play(message);
    }
    pending_.clear();
    pending_.shrink_to_fit();
}

void SynthCore::Supervise(std::unique_lock<std::mutex>& lock) {
    const auto idleStop = options_.idleStop;
    const auto poll =
        idleStop.count() > 0
            ? std::clamp<Clock::duration>(idleStop / 4, std::chrono::milliseconds(5), kMaxPoll)
            : kMaxPoll;
    auto lastSound = Clock::now();
    while (!stopRequested_) {
        if (audioWanted_) {
            audioWanted_ = false;
            if (driver_ != nullptr && Stalled(Clock::now())) {
                RetireDriver(lock);
            }
            if (driver_ == nullptr && !stopRequested_) {
                StartAudio(lock);
            }
            lastSound = Clock::now();
        } else if (driver_ != nullptr) {
            changed_.wait_for(lock, poll);
            if (!stopRequested_ && !audioWanted_) {
                CheckDriver(lock, lastSound);
            }
        } else if (api_->fluid_synth_get_active_voice_count(synth_) > 0) {
            // Notes wait for a server that is not (yet) there: try again while they are held,
            // so that a chord played as the server comes up sounds once it is.
            changed_.wait_for(lock, kDriverRetry,
                              [this] { return stopRequested_ || audioWanted_; });
            audioWanted_ = true;
        } else {
            changed_.wait(lock, [this] { return stopRequested_ || audioWanted_; });
        }
    }
}

void SynthCore::CheckDriver(std::unique_lock<std::mutex>& lock, Clock::time_point& lastSound) {
    const auto now = Clock::now();
    const bool sounding = api_->fluid_synth_get_active_voice_count(synth_) > 0;
    if (Stalled(now)) {
        // Notes that arrived for the dead driver are held; a new one plays them.
        audioWanted_ = sounding;
        RetireDriver(lock);
        return;
    }
    if (sounding) {
        lastSound = now;
    } else if (options_.idleStop.count() > 0 && now - lastSound >= options_.idleStop) {
        RetireDriver(lock);
    }
}

void SynthCore::StartAudio(std::unique_lock<std::mutex>& lock) {
    auto slot = std::make_unique<DriverSlot>(DriverSlot{this, ++generations_});
    {
        std::lock_guard renderLock(renderMutex_);
        liveGeneration_ = slot->generation;
        periods_.store(0, std::memory_order_relaxed);
    }
    bool sdlAudioStarted = sdlAudioStarted_;
    lock.unlock();
    // May block on a frozen server: only the worker waits.
    const StartedDriver started =
        StartAudioDriver(*api_, settings_, synth_, &RenderPeriod, slot.get(), options_.audioDrivers,
                         sdlAudioStarted);
    lock.lock();
    sdlAudioStarted_ = sdlAudioStarted;
    if (started.driver == nullptr) {
        return;
    }
    driver_ = started.driver;
    driverName_ = started.name;
    if (started.callsBack) {
        slot_ = std::move(slot);
        lastRender_.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
    }
}

void SynthCore::RetireDriver(std::unique_lock<std::mutex>& lock) {
    if (driver_ == nullptr) {
        return;
    }
    const bool hung = Stalled(Clock::now());
    fluid_audio_driver_t* driver = std::exchange(driver_, nullptr);
    std::unique_ptr<DriverSlot> slot = std::move(slot_);
    {
        std::lock_guard renderLock(renderMutex_);
        liveGeneration_ = 0;
    }
    lock.unlock();
    if (hung) {
        // Deleting joins the driver's thread, which may wait on the server for ever.
        DeleteInBackground(driver, std::move(slot));
    } else {
        api_->delete_fluid_audio_driver(driver);
    }
    lock.lock();
}

void SynthCore::DeleteInBackground(fluid_audio_driver_t* driver, std::unique_ptr<DriverSlot> slot) {
    // The slot must outlive the driver's thread, which reads it.
    DriverSlot* rawSlot = slot.release();
    auto finish = [api = api_, driver, rawSlot] {
        api->delete_fluid_audio_driver(driver);
        delete rawSlot;
    };
    EnterBackgroundThread();
    try {
        std::thread([self = shared_from_this(), finish]() mutable {
            finish();
            self.reset();
            LeaveBackgroundThread();
        }).detach();
    } catch (const std::system_error&) {
        LeaveBackgroundThread();
        finish();
    }
}

bool SynthCore::Stalled(Clock::time_point now) const {
    if (driver_ == nullptr || slot_ == nullptr) {
        return false;
    }
    const Clock::time_point last{Clock::duration(lastRender_.load(std::memory_order_relaxed))};
    // A new stream's second period may wait while the server sets it up (1.3 to 1.9 s on a
    // null sink), so a driver is given longer until it has settled.
    const bool settled = periods_.load(std::memory_order_relaxed) >= kSettledPeriods;
    return now - last > (settled ? options_.driverStall : options_.driverStall * kStartGrace);
}

bool SynthCore::Rendering() const {
    return driver_ != nullptr && !Stalled(Clock::now());
}

}  // namespace vorlane::synth
