#pragma once
// SDL2_mixer (and SDL2 through it), loaded when the player opens rather
// than with the program: the sound libraries and the dozens they bring
// would otherwise be linked before the first frame is drawn.

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

namespace ispyt {

struct SdlMixerLibrary {
  decltype(&SDL_SetHint) setHint;
  decltype(&SDL_InitSubSystem) initSubSystem;
  decltype(&SDL_QuitSubSystem) quitSubSystem;
  decltype(&SDL_GetError) getError;
  decltype(&Mix_Init) init;
  decltype(&Mix_Quit) quit;
  decltype(&Mix_SetSoundFonts) setSoundFonts;
  decltype(&Mix_OpenAudio) openAudio;
  decltype(&Mix_CloseAudio) closeAudio;
  decltype(&Mix_LoadMUS) loadMusic;
  decltype(&Mix_FreeMusic) freeMusic;
  decltype(&Mix_GetMusicType) musicType;
  decltype(&Mix_PlayMusic) playMusic;
  decltype(&Mix_HaltMusic) haltMusic;
  decltype(&Mix_PlayingMusic) playingMusic;
};

// The library, loaded once and kept; nullptr, with the reason in `why`,
// when it or one of its functions is missing.
const SdlMixerLibrary* sdlMixer(std::string& why);

}  // namespace ispyt
