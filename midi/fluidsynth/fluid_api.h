#pragma once

// FluidSynth, and the SDL2 and ALSA calls made around it, reached through a table filled at run
// time. Linking FluidSynth would make every start pay for its dynamic linking (it brings in some
// forty libraries) before the window shows; the synth thread loads it instead.

#include <SDL.h>
#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <string>

// Every function of the table, each under its own name.
#define VORLANE_FLUID_FUNCTIONS(X)        \
    X(new_fluid_settings)                 \
    X(delete_fluid_settings)              \
    X(fluid_settings_setint)              \
    X(fluid_settings_setnum)              \
    X(fluid_settings_setstr)              \
    X(new_fluid_synth)                    \
    X(delete_fluid_synth)                 \
    X(fluid_synth_sfload)                 \
    X(fluid_synth_noteon)                 \
    X(fluid_synth_noteoff)                \
    X(fluid_synth_program_change)         \
    X(fluid_synth_cc)                     \
    X(fluid_synth_all_notes_off)          \
    X(fluid_synth_all_sounds_off)         \
    X(fluid_synth_count_midi_channels)    \
    X(fluid_synth_get_active_voice_count) \
    X(fluid_synth_write_float)            \
    X(fluid_synth_process)                \
    X(new_fluid_audio_driver)             \
    X(new_fluid_audio_driver2)            \
    X(delete_fluid_audio_driver)          \
    X(fluid_set_log_function)
#define VORLANE_SDL_FUNCTIONS(X) \
    X(SDL_SetHint)               \
    X(SDL_InitSubSystem)         \
    X(SDL_QuitSubSystem)         \
    X(SDL_TLSCleanup)
#define VORLANE_ALSA_FUNCTIONS(X) X(snd_lib_error_set_handler)

namespace vorlane::synth {

struct FluidApi {
#define VORLANE_FLUID_MEMBER(name) decltype(&::name) name = nullptr;
    VORLANE_FLUID_FUNCTIONS(VORLANE_FLUID_MEMBER)
    VORLANE_SDL_FUNCTIONS(VORLANE_FLUID_MEMBER)
    VORLANE_ALSA_FUNCTIONS(VORLANE_FLUID_MEMBER)
#undef VORLANE_FLUID_MEMBER
};

// Loads the library (once per name; it stays loaded) and returns its table, or null when it or
// one of its functions is missing; the first failure is told on standard error.
const FluidApi* LoadFluidApi(const std::string& library);

}  // namespace vorlane::synth
