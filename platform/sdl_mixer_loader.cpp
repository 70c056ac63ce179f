#include "platform/sdl_mixer_loader.h"

#include "platform/dl_symbols.h"
#include "platform/sdl_mixer_api.h"

#include <dlfcn.h>
#include <mutex>

namespace trovel {

namespace {

constexpr const char *kLoadError = "Unknown error loading the audio libraries";

std::string last_dl_error() { return trovel::last_dl_error(kLoadError); }

template <typename Function> bool resolve(void *library, const char *name, Function &entry, std::string &error) {
    return resolve_symbol(library, name, entry, error, kLoadError);
}

struct Libraries {
    void *sdl = nullptr;
    void *mixer = nullptr;
};

// Opens both libraries and fills api. On failure closes what it opened: nothing of theirs
// has run then, so they can go again.
bool load(SdlMixerApi &api, Libraries &libraries, std::string &error, const char *sdl_soname,
          const char *mixer_soname) {
    SdlMixerApi loaded;
    void *sdl = dlopen(sdl_soname, RTLD_NOW | RTLD_LOCAL);
    if (!sdl) {
        error = last_dl_error();
        return false;
    }
    void *mixer = dlopen(mixer_soname, RTLD_NOW | RTLD_LOCAL);
    if (!mixer) {
        error = last_dl_error();
        dlclose(sdl);
        return false;
    }
    bool ok = true;
#define TROVEL_RESOLVE_SDL(name) ok = ok && resolve(sdl, #name, loaded.name, error);
#define TROVEL_RESOLVE_MIXER(name) ok = ok && resolve(mixer, #name, loaded.name, error);
    TROVEL_SDL_FUNCTIONS(TROVEL_RESOLVE_SDL)
    TROVEL_SDL_MIXER_FUNCTIONS(TROVEL_RESOLVE_MIXER)
#undef TROVEL_RESOLVE_SDL
#undef TROVEL_RESOLVE_MIXER
    if (!ok) {
        dlclose(mixer);
        dlclose(sdl);
        return false;
    }
    api = loaded;
    libraries = {sdl, mixer};
    return true;
}

} // namespace

const SdlMixerApi *sdl_mixer_api(std::string &error) {
    static std::mutex mutex;
    static SdlMixerApi api;
    static bool loaded = false;
    std::lock_guard lock(mutex);
    // Never closed once loaded: SDL keeps threads and exit handlers of its own.
    Libraries kept_open;
    if (!loaded) loaded = load(api, kept_open, error, kSdlSoname, kSdlMixerSoname);
    return loaded ? &api : nullptr;
}

std::string sdl_mixer_load_error(const char *sdl_soname, const char *mixer_soname) {
    SdlMixerApi api;
    Libraries libraries;
    std::string error;
    if (!load(api, libraries, error, sdl_soname, mixer_soname)) return error;
    dlclose(libraries.mixer);
    dlclose(libraries.sdl);
    return {};
}

} // namespace trovel
