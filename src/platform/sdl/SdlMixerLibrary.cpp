#include "platform/sdl/SdlMixerLibrary.h"

#include <dlfcn.h>

namespace ispyt {
namespace {

const char* const kLibrary = "libSDL2_mixer-2.0.so.0";

struct Loaded {
  SdlMixerLibrary library{};
  std::string why;
  bool ok = false;
};

template <typename F>
bool take(void* handle, const char* name, F& to, std::string& why) {
  to = reinterpret_cast<F>(dlsym(handle, name));
  if (!to && why.empty()) why = std::string(kLibrary) + ": no " + name;
  return to != nullptr;
}

Loaded load() {
  Loaded l;
  // Kept open for the program's life: the player may sound until its end.
  void* h = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
  if (!h) {
    const char* e = dlerror();
    l.why = e ? e : kLibrary;
    return l;
  }
  // SDL's own functions are found through the mixer's dependencies.
  SdlMixerLibrary& f = l.library;
  std::string& w = l.why;
  l.ok = take(h, "SDL_SetHint", f.setHint, w) && take(h, "SDL_InitSubSystem", f.initSubSystem, w) &&
         take(h, "SDL_QuitSubSystem", f.quitSubSystem, w) && take(h, "SDL_GetError", f.getError, w) &&
         take(h, "Mix_Init", f.init, w) && take(h, "Mix_Quit", f.quit, w) &&
         take(h, "Mix_SetSoundFonts", f.setSoundFonts, w) &&
         take(h, "Mix_OpenAudio", f.openAudio, w) && take(h, "Mix_CloseAudio", f.closeAudio, w) &&
         take(h, "Mix_LoadMUS", f.loadMusic, w) && take(h, "Mix_FreeMusic", f.freeMusic, w) &&
         take(h, "Mix_GetMusicType", f.musicType, w) && take(h, "Mix_PlayMusic", f.playMusic, w) &&
         take(h, "Mix_HaltMusic", f.haltMusic, w) &&
         take(h, "Mix_PlayingMusic", f.playingMusic, w);
  return l;
}

}  // namespace

const SdlMixerLibrary* sdlMixer(std::string& why) {
  static const Loaded loaded = load();
  why = loaded.why;
  return loaded.ok ? &loaded.library : nullptr;
}

}  // namespace ispyt
