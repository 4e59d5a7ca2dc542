#include "platform/sdl/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace ispyt {
namespace {

// The General MIDI soundfonts a Debian system may hold, the one chosen as
// its default first.
const char* const kSoundFonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};

// MIDI is synthesised through a soundfont; the one named by SDL_SOUNDFONTS
// wins, as SDL_mixer has it.
void chooseSoundFont() {
  if (std::getenv("SDL_SOUNDFONTS")) return;
  for (const char* font : kSoundFonts) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(font, ec)) {
      Mix_SetSoundFonts(font);
      return;
    }
  }
}

std::string mixError() {
  const char* e = Mix_GetError();
  return e && *e ? e : "unknown error";
}

}  // namespace

SdlAudio::~SdlAudio() {
  release();
  if (melody_.music) Mix_FreeMusic(melody_.music);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::release() {
  if (!music_) return;
  Mix_HaltMusic();
  if (music_ != melody_.music) Mix_FreeMusic(music_);
  music_ = nullptr;
}

std::string SdlAudio::open(const std::filesystem::path& file) {
  release();
  std::error_code ec, sizeError;
  const auto written = std::filesystem::last_write_time(file, ec);
  const std::uintmax_t size = std::filesystem::file_size(file, sizeError);
  if (melody_.music && !ec && !sizeError && file == melody_.file && written == melody_.written &&
      size == melody_.size) {
    music_ = melody_.music;
    return {};
  }
  const std::u8string name = file.u8string();
  music_ = Mix_LoadMUS(reinterpret_cast<const char*>(name.c_str()));
  if (!music_) return mixError();
  if (Mix_GetMusicType(music_) == MUS_MID && !ec && !sizeError) {
    if (melody_.music) Mix_FreeMusic(melody_.music);
    melody_ = {file, written, size, music_};
  }
  return {};
}

std::string SdlAudio::play() {
  if (!music_) return "nothing is open";
  return Mix_PlayMusic(music_, 0) == 0 ? std::string() : mixError();
}

void SdlAudio::stop() { Mix_HaltMusic(); }

bool SdlAudio::playing() const { return music_ && Mix_PlayingMusic() != 0; }

std::unique_ptr<Audio> openSystemAudio() {
  // The program's window system handles the signals, not SDL.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "ispyt: no sound: %s\n", SDL_GetError());
    return std::make_unique<SilentAudio>();
  }
  chooseSoundFont();
  // Without MIDI support the effects still play; the melody does not open.
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    std::fprintf(stderr, "ispyt: no sound: %s\n", mixError().c_str());
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return std::make_unique<SilentAudio>();
  }
  return std::unique_ptr<Audio>(new SdlAudio);
}

}  // namespace ispyt
