#include "midi/fluidsynth/fluidsynth_midi_out.h"

#include <system_error>
#include <utility>

#include "midi/fluidsynth/synth_core.h"
#include "midi/fluidsynth/synth_engine.h"

namespace vorlane {
std::vector<std::string> DefaultSoundFonts() {
    const std::string folder = "/usr/share/sounds/sf2/";
    return {folder + "default-GM.sf2", folder + "FluidR3_GM.sf2", folder + "TimGM6mb.sf2"};
}

std::string DefaultSynthLibrary() {
    return VORLANE_FLUIDSYNTH_LIBRARY;
}

FluidSynthMidiOut::FluidSynthMidiOut(FluidSynthOptions options) : options_(std::move(options)) {}

FluidSynthMidiOut::~FluidSynthMidiOut() {
    Close();
}

void FluidSynthMidiOut::Open() {
    if (core_ != nullptr) {
        return;
    }
    core_ = std::make_shared<synth::SynthCore>(options_);
    if (!options_.deferLoad || loadAllowed_) {
        StartWorker();
    }
}

void FluidSynthMidiOut::AllowLoad() {
    loadAllowed_ = true;
    if (core_ != nullptr && !worker_.joinable()) {
        StartWorker();
    }
}

void FluidSynthMidiOut::StartWorker() {
    synth::EnterBackgroundThread();
    try {
        worker_ = std::thread([core = core_]() mutable {
            core->Run();
            synth::ReleaseSdlThreadState();
            core.reset();
            synth::LeaveBackgroundThread();
        });
    } catch (const std::system_error&) {
        synth::LeaveBackgroundThread();
        core_->MarkSilent();
        return;
    }
    if (!options_.openInBackground) {
        core_->WaitUntilLoaded();
    }
}

void FluidSynthMidiOut::Close() {
    if (core_ == nullptr) {
        return;
    }
    core_->RequestStop();
    if (worker_.joinable()) {
        // A worker stuck on a hung audio server finishes, and frees the synth, on its own.
        if (core_->WaitUntilWorkerDone(options_.closeWait)) {
            worker_.join();
        } else {
            worker_.detach();
        }
    }
    core_.reset();
}

void FluidSynthMidiOut::AllNotesOff() {
    if (core_ != nullptr) {
        core_->ReleaseAllNotes();
    }
}

void FluidSynthMidiOut::Send(const MidiMessage& message) {
    if (core_ != nullptr) {
        core_->Send({message.status, static_cast<std::uint8_t>(message.data1 & kDataMask),
                     static_cast<std::uint8_t>(message.data2 & kDataMask)});
    }
}

FluidSynthMidiOut::State FluidSynthMidiOut::GetState() const {
    return core_ != nullptr ? core_->GetState() : State::Closed;
}

bool FluidSynthMidiOut::WaitUntilLoaded() {
    return core_ != nullptr && worker_.joinable() && core_->WaitUntilLoaded();
}

bool FluidSynthMidiOut::AudioRunning() const {
    return core_ != nullptr && core_->AudioRunning();
}

std::string FluidSynthMidiOut::SoundFontPath() const {
    return core_ != nullptr ? core_->SoundFontPath() : std::string();
}

std::string FluidSynthMidiOut::AudioDriverName() const {
    return core_ != nullptr ? core_->AudioDriverName() : std::string();
}

int FluidSynthMidiOut::ActiveVoices() const {
    return core_ != nullptr ? core_->ActiveVoices() : 0;
}

bool FluidSynthMidiOut::Render(std::span<float> left, std::span<float> right) {
    return core_ != nullptr && core_->Render(left, right);
}

bool FluidSynthMidiOut::WaitForBackgroundThreads(std::chrono::milliseconds limit) {
    return synth::WaitForBackgroundThreads(limit);
}

}  // namespace vorlane
