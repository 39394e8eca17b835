#include "midi/fluidsynth/synth_engine.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <mutex>
#include <string_view>

#include "midi/midi_message.h"

namespace vorlane::synth {
namespace {

constexpr int kVolumeController = 7;
constexpr int kMaxMidiValue = 127;
// The drivers of FluidSynth 2.3 that accept a render callback.
constexpr std::string_view kCallbackDrivers[] = {"pulseaudio", "alsa", "oss"};

void LogToStderr(int level, const char* message, void*) {
    const char* kind = level <= FLUID_ERR ? "error" : level == FLUID_WARN ? "warning" : "info";
    std::fprintf(stderr, "fluidsynth: %s: %s\n", kind, message);
}

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

bool LogWanted() {
    const char* value = std::getenv("VORLANE_SYNTH_LOG");
    return value != nullptr && *value != '\0' && std::strcmp(value, "0") != 0;
}

// SDL keeps per-thread state (its error text) that only its own threads free on exit.
thread_local const FluidApi* sdlUsedOnThisThread = nullptr;

bool StartSdlAudio(const FluidApi& api) {
    sdlUsedOnThisThread = &api;
    // SDL's own fall-back list without JACK; SDL_AUDIODRIVER in the environment still wins.
    api.SDL_SetHint(SDL_HINT_AUDIODRIVER, "pipewire,pulseaudio,alsa,dsp");
    api.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return api.SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

}  // namespace

void RouteLog(const FluidApi& api) {
    static std::once_flag once;
    std::call_once(once, [&api] {
        const bool wanted = LogWanted();
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
            const bool shown = wanted && level <= FLUID_INFO;
            api.fluid_set_log_function(level, shown ? LogToStderr : nullptr, nullptr);
        }
        if (!wanted) {
            api.snd_lib_error_set_handler(IgnoreAlsaError);
        }
    });
}

fluid_settings_t* NewSettings(const FluidApi& api, const FluidSynthOptions& options) {
    fluid_settings_t* settings = api.new_fluid_settings();
    if (settings == nullptr) {
        return nullptr;
    }
    // Only the instruments actually selected are read from the SoundFont.
    api.fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    api.fluid_settings_setnum(settings, "synth.sample-rate", options.sampleRate);
    api.fluid_settings_setnum(settings, "synth.gain", options.gain);
    api.fluid_settings_setint(settings, "audio.period-size", options.periodSize);
    api.fluid_settings_setint(settings, "audio.periods", options.periods);
    // With latency adjustment PulseAudio buffers about 100 ms ahead of the synth.
    api.fluid_settings_setint(settings, "audio.pulseaudio.adjust-latency", 0);
    for (const auto& [name, value] : options.stringSettings) {
        api.fluid_settings_setstr(settings, name.c_str(), value.c_str());
    }
    return settings;
}

std::string LoadFirstSoundFont(const FluidApi& api, fluid_synth_t* synth,
                               const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        // Presets are not reset: with dynamic sample loading, an instrument's samples are read
        // only once a channel chooses it.
        if (api.fluid_synth_sfload(synth, path.c_str(), 0) != FLUID_FAILED) {
            return path;
        }
    }
    return {};
}

StartedDriver StartAudioDriver(const FluidApi& api, fluid_settings_t* settings,
                               fluid_synth_t* synth, fluid_audio_func_t render, void* renderData,
                               const std::vector<std::string>& drivers, bool& sdlStarted) {
    for (const std::string& name : drivers) {
        if (name == "jack") {
            continue;
        }
        if (name == "sdl2" && !sdlStarted) {
            sdlStarted = StartSdlAudio(api);
            if (!sdlStarted) {
                continue;
            }
        }
        if (api.fluid_settings_setstr(settings, "audio.driver", name.c_str()) != FLUID_OK) {
            continue;
        }
        const bool callsBack = std::find(std::begin(kCallbackDrivers), std::end(kCallbackDrivers),
                                         name) != std::end(kCallbackDrivers);
        fluid_audio_driver_t* driver =
            callsBack ? api.new_fluid_audio_driver2(settings, render, renderData)
                      : api.new_fluid_audio_driver(settings, synth);
        if (driver != nullptr) {
            return {driver, name, callsBack};
        }
    }
    return {};
}

void ReleaseSdlThreadState() {
    if (sdlUsedOnThisThread != nullptr) {
        sdlUsedOnThisThread->SDL_TLSCleanup();
        sdlUsedOnThisThread = nullptr;
    }
}

void StopSdlAudio(const FluidApi& api) {
    api.SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SetFullVolume(const FluidApi& api, fluid_synth_t* synth) {
    const int channels = api.fluid_synth_count_midi_channels(synth);
    for (int channel = 0; channel < channels; ++channel) {
        api.fluid_synth_cc(synth, channel, kVolumeController, kMaxMidiValue);
    }
}

void ReleaseAllNotes(const FluidApi& api, fluid_synth_t* synth) {
    const int channels = api.fluid_synth_count_midi_channels(synth);
    for (int channel = 0; channel < channels; ++channel) {
        api.fluid_synth_cc(synth, channel, kSustainController, 0);
        api.fluid_synth_cc(synth, channel, kSostenutoController, 0);
    }
    api.fluid_synth_all_notes_off(synth, -1);
}

void SilenceAllNotes(const FluidApi& api, fluid_synth_t* synth) {
    ReleaseAllNotes(api, synth);
    api.fluid_synth_all_sounds_off(synth, -1);
}

}  // namespace vorlane::synth
