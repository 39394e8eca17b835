#include "midi/fluidsynth/fluidsynth_midi_out.h"

#include <algorithm>
#include <system_error>

#include "midi/fluidsynth/synth_engine.h"

namespace vorlane {
namespace {

constexpr int kChannel = 0;  // MIDI channel 1
constexpr std::uint8_t kDataMask = 0x7F;
constexpr std::size_t kMaxPendingNotes = 64;

using Clock = std::chrono::steady_clock;

void DeleteAll(fluid_audio_driver_t* driver, fluid_synth_t* synth, fluid_settings_t* settings,
               bool sdlAudioStarted) {
    if (driver != nullptr) {
        delete_fluid_audio_driver(driver);
    }
    if (synth != nullptr) {
        delete_fluid_synth(synth);
    }
    if (settings != nullptr) {
        delete_fluid_settings(settings);
    }
    if (sdlAudioStarted) {
        synth::StopSdlAudio();
    }
}

}  // namespace

std::vector<std::string> DefaultSoundFonts() {
    const std::string folder = "/usr/share/sounds/sf2/";
    return {folder + "default-GM.sf2", folder + "FluidR3_GM.sf2", folder + "TimGM6mb.sf2"};
}

FluidSynthMidiOut::FluidSynthMidiOut(FluidSynthOptions options) : options_(std::move(options)) {}

FluidSynthMidiOut::~FluidSynthMidiOut() {
    Close();
}

void FluidSynthMidiOut::Open() {
    {
        std::lock_guard lock(mutex_);
        if (state_ != State::Closed) {
            return;
        }
        state_ = State::Loading;
        stopRequested_ = false;
        audioWanted_ = false;
        pendingProgram_.reset();
        pendingNotes_.clear();
    }
    synth::RouteLog();
    try {
        worker_ = std::thread([this] {
            Load();
            Supervise();
            synth::ReleaseSdlThreadState();
        });
    } catch (const std::system_error&) {
        std::lock_guard lock(mutex_);
        state_ = State::Silent;
        return;
    }
    if (!options_.openInBackground) {
        WaitUntilLoaded();
    }
}

void FluidSynthMidiOut::Close() {
    {
        std::lock_guard lock(mutex_);
        if (state_ == State::Closed) {
            return;
        }
        stopRequested_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable()) {
        worker_.join();
    }
    // The worker is gone and this is the only thread that calls in: no lock needed to tear down.
    DeleteAll(std::exchange(driver_, nullptr), std::exchange(synth_, nullptr),
              std::exchange(settings_, nullptr), std::exchange(sdlAudioStarted_, false));
    std::lock_guard lock(mutex_);
    state_ = State::Closed;
    pendingNotes_.clear();
    pendingProgram_.reset();
}

void FluidSynthMidiOut::Reset() {
    std::lock_guard lock(mutex_);
    if (state_ == State::Loading) {
        pendingNotes_.clear();
    } else if (state_ == State::Ready) {
        synth::ReleaseAllNotes(synth_);
    }
}

void FluidSynthMidiOut::ProgramChange(std::uint8_t program) {
    program &= kDataMask;
    std::lock_guard lock(mutex_);
    if (state_ == State::Loading) {
        pendingProgram_ = program;
    } else if (state_ == State::Ready) {
        fluid_synth_program_change(synth_, kChannel, program);
    }
}

void FluidSynthMidiOut::NoteOn(std::uint8_t note, std::uint8_t velocity) {
    note &= kDataMask;
    velocity &= kDataMask;
    std::lock_guard lock(mutex_);
    if (state_ == State::Loading) {
        if (pendingNotes_.size() < kMaxPendingNotes) {
            pendingNotes_.emplace_back(note, velocity);
        }
    } else if (state_ == State::Ready) {
        fluid_synth_noteon(synth_, kChannel, note, velocity);
        if (options_.startAudio && driver_ == nullptr) {
            // The synth holds the note until the driver is back and renders it from its start.
            audioWanted_ = true;
            changed_.notify_all();
        }
    }
}

FluidSynthMidiOut::State FluidSynthMidiOut::GetState() const {
    std::lock_guard lock(mutex_);
    return state_;
}

bool FluidSynthMidiOut::WaitUntilLoaded() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return state_ != State::Loading; });
    return state_ == State::Ready;
}

bool FluidSynthMidiOut::AudioRunning() const {
    std::lock_guard lock(mutex_);
    return driver_ != nullptr;
}

std::string FluidSynthMidiOut::SoundFontPath() const {
    std::lock_guard lock(mutex_);
    return soundFont_;
}

std::string FluidSynthMidiOut::AudioDriverName() const {
    std::lock_guard lock(mutex_);
    return driverName_;
}

int FluidSynthMidiOut::ActiveVoices() const {
    std::lock_guard lock(mutex_);
    return state_ == State::Ready ? fluid_synth_get_active_voice_count(synth_) : 0;
}

bool FluidSynthMidiOut::Render(std::span<float> left, std::span<float> right) {
    std::lock_guard lock(mutex_);
    if (state_ != State::Ready || options_.startAudio || left.size() != right.size()) {
        return false;
    }
    const int frames = static_cast<int>(left.size());
    return fluid_synth_write_float(synth_, frames, left.data(), 0, 1, right.data(), 0, 1) ==
           FLUID_OK;
}

void FluidSynthMidiOut::Load() {
    fluid_settings_t* settings = synth::NewSettings(options_);
    fluid_synth_t* synth = settings != nullptr ? new_fluid_synth(settings) : nullptr;
    std::string soundFont;
    if (synth != nullptr) {
        soundFont = synth::LoadFirstSoundFont(synth, options_.soundFonts);
    }
    bool ok = !soundFont.empty();
    if (ok) {
        synth::SetFullVolume(synth);
    }
    fluid_audio_driver_t* driver = nullptr;
    std::string driverName;
    bool sdlAudioStarted = false;
    if (ok && options_.startAudio) {
        driver = synth::StartAudioDriver(settings, synth, options_.audioDrivers, driverName,
                                         sdlAudioStarted);
        ok = driver != nullptr;
    }
    if (!ok) {
        DeleteAll(driver, synth, settings, sdlAudioStarted);
        std::lock_guard lock(mutex_);
        state_ = State::Silent;
        changed_.notify_all();
        return;
    }
    std::lock_guard lock(mutex_);
    settings_ = settings;
    synth_ = synth;
    driver_ = driver;
    sdlAudioStarted_ = sdlAudioStarted;
    soundFont_ = soundFont;
    driverName_ = driverName;
    PlayPending();
    state_ = State::Ready;
    changed_.notify_all();
}

void FluidSynthMidiOut::PlayPending() {
    if (pendingProgram_) {
        fluid_synth_program_change(synth_, kChannel, *pendingProgram_);
    }
    for (const auto& [note, velocity] : pendingNotes_) {
        fluid_synth_noteon(synth_, kChannel, note, velocity);
    }
    pendingProgram_.reset();
    pendingNotes_.clear();
}

void FluidSynthMidiOut::Supervise() {
    std::unique_lock lock(mutex_);
    if (state_ != State::Ready || !options_.startAudio) {
        return;
    }
    const auto idleStop = options_.idleStop;
    const auto poll = std::clamp<Clock::duration>(idleStop / 4, std::chrono::milliseconds(5),
                                                  std::chrono::milliseconds(500));
    auto lastSound = Clock::now();
    while (!stopRequested_) {
        if (driver_ == nullptr) {
            changed_.wait(lock, [this] { return stopRequested_ || audioWanted_; });
            if (!stopRequested_) {
                StartAudio(lock);
                lastSound = Clock::now();
            }
        } else if (idleStop.count() <= 0) {
            changed_.wait(lock, [this] { return stopRequested_; });
        } else {
            changed_.wait_for(lock, poll);
            if (!stopRequested_) {
                StopAudioIfIdle(lock, lastSound);
            }
        }
    }
}

void FluidSynthMidiOut::StopAudioIfIdle(std::unique_lock<std::mutex>& lock,
                                        Clock::time_point& lastSound) {
    const auto now = Clock::now();
    if (fluid_synth_get_active_voice_count(synth_) > 0) {
        lastSound = now;
        return;
    }
    if (now - lastSound < options_.idleStop) {
        return;
    }
    // A note arriving while the driver goes sets audioWanted_, and the loop starts it again.
    fluid_audio_driver_t* driver = std::exchange(driver_, nullptr);
    lock.unlock();
    delete_fluid_audio_driver(driver);
    lock.lock();
}

void FluidSynthMidiOut::StartAudio(std::unique_lock<std::mutex>& lock) {
    audioWanted_ = false;
    std::string name;
    bool sdlAudioStarted = sdlAudioStarted_;
    lock.unlock();
    fluid_audio_driver_t* driver =
        synth::StartAudioDriver(settings_, synth_, options_.audioDrivers, name, sdlAudioStarted);
    lock.lock();
    driver_ = driver;
    sdlAudioStarted_ = sdlAudioStarted;
    if (driver != nullptr) {
        driverName_ = name;
    }
    // On failure the device stays quiet; the next note tries again.
}

}  // namespace vorlane
