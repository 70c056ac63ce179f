#include "platform/pulse_api.h"

#include "platform/dl_symbols.h"

#include <cstring>
#include <dlfcn.h>

namespace trovel {

namespace {

constexpr const char *kLoadError = "Unknown error loading the sound server's library";

std::string last_dl_error() { return trovel::last_dl_error(kLoadError); }

template <typename Function> bool resolve(void *library, const char *name, Function &entry, std::string &error) {
    return resolve_symbol(library, name, entry, error, kLoadError);
}

} // namespace

const PulseApi *pulse_api(std::string &error, const char *soname) {
    static PulseApi api;
    static bool loaded = false;
    const bool usual = std::strcmp(soname, kPulseSoname) == 0; // tests name others
    if (loaded && usual) return &api;
    void *library = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        error = last_dl_error();
        return nullptr;
    }
    PulseApi found;
    bool ok = true;
#define TROVEL_RESOLVE(name) ok = ok && resolve(library, #name, found.name, error);
    TROVEL_PULSE_FUNCTIONS(TROVEL_RESOLVE)
#undef TROVEL_RESOLVE
    if (!ok) {
        dlclose(library); // nothing of it has run yet
        return nullptr;
    }
    // Never closed: libpulse keeps D-Bus connections and exit handlers of its own.
    if (!usual) {
        static PulseApi other;
        other = found;
        return &other;
    }
    api = found;
    loaded = true;
    return &api;
}

} // namespace trovel
