#include "midi/fluidsynth/fluid_api.h"

#include <dlfcn.h>

#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <type_traits>
#include <utility>

namespace vorlane::synth {
namespace {

// SDL2 and ALSA come with FluidSynth (both are among its own dependencies).
constexpr const char* kSdlLibrary = "libSDL2-2.0.so.0";
constexpr const char* kAlsaLibrary = "libasound.so.2";

std::unique_ptr<FluidApi> Load(const std::string& name, std::string& error) {
    void* fluid = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* sdl = fluid != nullptr ? dlopen(kSdlLibrary, RTLD_NOW | RTLD_LOCAL) : nullptr;
    void* alsa = sdl != nullptr ? dlopen(kAlsaLibrary, RTLD_NOW | RTLD_LOCAL) : nullptr;
    if (alsa == nullptr) {
        const char* reason = dlerror();
        error = reason != nullptr ? reason : name + " cannot be loaded";
        return nullptr;
    }
    auto api = std::make_unique<FluidApi>();
    auto resolve = [&error](void* library, auto& function, const char* symbol) {
        function =
            reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, symbol));
        if (function == nullptr && error.empty()) {
            error = std::string(symbol) + " cannot be found";
        }
    };
#define VORLANE_FROM_FLUID(function) resolve(fluid, api->function, #function);
#define VORLANE_FROM_SDL(function) resolve(sdl, api->function, #function);
#define VORLANE_FROM_ALSA(function) resolve(alsa, api->function, #function);
    VORLANE_FLUID_FUNCTIONS(VORLANE_FROM_FLUID)
    VORLANE_SDL_FUNCTIONS(VORLANE_FROM_SDL)
    VORLANE_ALSA_FUNCTIONS(VORLANE_FROM_ALSA)
#undef VORLANE_FROM_FLUID
#undef VORLANE_FROM_SDL
#undef VORLANE_FROM_ALSA
    return error.empty() ? std::move(api) : nullptr;
}

}  // namespace

const FluidApi* LoadFluidApi(const std::string& library) {
    static std::mutex mutex;
    static auto* loaded = new std::map<std::string, std::unique_ptr<FluidApi>>;
    static bool told = false;
    std::lock_guard lock(mutex);
    if (auto found = loaded->find(library); found != loaded->end()) {
        return found->second.get();
    }
    std::string error;
    std::unique_ptr<FluidApi> api = Load(library, error);
    if (api == nullptr) {
        if (!std::exchange(told, true)) {
            std::fprintf(stderr, "vorlane: no built-in sound: %s\n", error.c_str());
        }
        return nullptr;
    }
    return loaded->emplace(library, std::move(api)).first->second.get();
}

}  // namespace vorlane::synth
