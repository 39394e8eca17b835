#pragma once

// Thin helpers over FluidSynth's C API, used by FluidSynthMidiOut. None of them logs or
// throws; failures come back as null pointers or empty strings.

#include <string>
#include <vector>

#include "midi/fluidsynth/fluid_api.h"
#include "midi/fluidsynth/fluidsynth_midi_out.h"

namespace vorlane::synth {

// Sends FluidSynth's (and ALSA's) messages to standard error when VORLANE_SYNTH_LOG is set
// to something other than "" or "0", and nowhere otherwise. Process-wide, set once.
void RouteLog(const FluidApi& api);

fluid_settings_t* NewSettings(const FluidApi& api, const FluidSynthOptions& options);

// Loads the first SoundFont of the list that exists and loads; returns its path or "".
std::string LoadFirstSoundFont(const FluidApi& api, fluid_synth_t* synth,
                               const std::vector<std::string>& paths);

struct StartedDriver {
    fluid_audio_driver_t* driver = nullptr;
    std::string name;
    // The driver fills its buffers through render(renderData): every period shows it alive.
    // The others (sdl2, file) render the synth on their own.
    bool callsBack = false;
};

// Tries the drivers in order and returns the first that starts (driver null if none does).
// Drivers that can are started in callback mode with render. sdlStarted is set when SDL's
// audio subsystem was started for the sdl2 driver; the caller ends it with StopSdlAudio once
// no sdl2 driver is left.
StartedDriver StartAudioDriver(const FluidApi& api, fluid_settings_t* settings,
                               fluid_synth_t* synth, fluid_audio_func_t render, void* renderData,
                               const std::vector<std::string>& drivers, bool& sdlStarted);
void StopSdlAudio(const FluidApi& api);
// To be called by a thread that tried the sdl2 driver before it ends.
void ReleaseSdlThreadState();

// Full volume on every channel: the device starts at 100 of 127 otherwise.
void SetFullVolume(const FluidApi& api, fluid_synth_t* synth);

// What a MIDI reset does to sounding notes: every note on every channel is released and no
// pedal holds it.
void ReleaseAllNotes(const FluidApi& api, fluid_synth_t* synth);
// The same without the release: for notes no driver has rendered yet, whose tails would
// otherwise sound late, all at once, when a driver comes back.
void SilenceAllNotes(const FluidApi& api, fluid_synth_t* synth);

}  // namespace vorlane::synth
