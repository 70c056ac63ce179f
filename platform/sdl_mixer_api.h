// The table of SDL2 and SDL2_mixer functions the sound player calls, filled by the loader
// (sdl_mixer_loader.h). Each entry is typed from SDL's own declaration, so a mismatch
// fails to compile; the names are SDL's, so calls read as they would when linked.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

namespace trovel {

// Every function the table holds, by the library it comes from.
// clang-format off
#define TROVEL_SDL_FUNCTIONS(X) \
    X(SDL_GetError) X(SDL_ClearError) X(SDL_InitSubSystem) X(SDL_QuitSubSystem)
#define TROVEL_SDL_MIXER_FUNCTIONS(X) \
    X(Mix_OpenAudio) X(Mix_CloseAudio) X(Mix_HookMusicFinished) \
    X(Mix_LoadMUS) X(Mix_FreeMusic) X(Mix_PlayMusic) X(Mix_HaltMusic)
// clang-format on

struct SdlMixerApi {
#define TROVEL_SDL_ENTRY(name) decltype(&::name) name = nullptr;
    TROVEL_SDL_FUNCTIONS(TROVEL_SDL_ENTRY)
    TROVEL_SDL_MIXER_FUNCTIONS(TROVEL_SDL_ENTRY)
#undef TROVEL_SDL_ENTRY
};

} // namespace trovel
