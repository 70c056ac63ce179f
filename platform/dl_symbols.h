// Finding a library's functions by name, for the libraries opened with dlopen at their
// first use (the sound player's and the sound server's), so start-up loads none of them.
#pragma once

#include <dlfcn.h>
#include <string>

namespace trovel {

// dlerror()'s text, or `fallback` when it has none.
inline std::string last_dl_error(const char *fallback) {
    const char *text = dlerror();
    return text ? std::string(text) : std::string(fallback);
}

// Sets `entry` to the function `name` of `library`; false with the reason in `error` when
// the library has no such function.
template <typename Function>
bool resolve_symbol(void *library, const char *name, Function &entry, std::string &error, const char *fallback) {
    dlerror();
    void *symbol = dlsym(library, name);
    if (!symbol) {
        error = last_dl_error(fallback);
        return false;
    }
    entry = reinterpret_cast<Function>(symbol);
    return true;
}

} // namespace trovel
