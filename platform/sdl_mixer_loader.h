// SDL2 and SDL2_mixer opened at run time, when the first sound is opened: most runs never
// play one, and linking them would load some forty audio and codec libraries at every
// start. Free of SDL's headers, so code without them can include it.
#pragma once

#include <string>

namespace trovel {

struct SdlMixerApi; // sdl_mixer_api.h

inline constexpr const char *kSdlSoname = "libSDL2-2.0.so.0";
inline constexpr const char *kSdlMixerSoname = "libSDL2_mixer-2.0.so.0";

// The process's table, its libraries loaded at the first call and kept loaded from then
// on. Returns nullptr with the dynamic loader's text in error when they cannot be loaded
// or lack a function; the next call tries again.
const SdlMixerApi *sdl_mixer_api(std::string &error);

// Tries loading the two libraries by these names and finding every function of the table
// in them, then lets them go. Returns the dynamic loader's text, or "" when all was found.
std::string sdl_mixer_load_error(const char *sdl_soname, const char *mixer_soname);

} // namespace trovel
