#include "platform/sdl/SdlAudio.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "platform/sdl/SdlMixerLibrary.h"

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
void chooseSoundFont(const SdlMixerLibrary& mix) {
  if (std::getenv("SDL_SOUNDFONTS")) return;
  for (const char* font : kSoundFonts) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(font, ec)) {
      mix.setSoundFonts(font);
      return;
    }
  }
}

}  // namespace

std::string SdlAudio::error() const {
  const char* e = mix_.getError();
  return e && *e ? e : "unknown error";
}

SdlAudio::~SdlAudio() {
  release();
  if (melody_.music) mix_.freeMusic(melody_.music);
  mix_.closeAudio();
  mix_.quit();
  mix_.quitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::release() {
  if (!music_) return;
  mix_.haltMusic();
  if (music_ != melody_.music) mix_.freeMusic(music_);
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
  music_ = mix_.loadMusic(reinterpret_cast<const char*>(name.c_str()));
  if (!music_) return error();
  if (mix_.musicType(music_) == MUS_MID && !ec && !sizeError) {
    if (melody_.music) mix_.freeMusic(melody_.music);
    melody_ = {file, written, size, music_};
  }
  return {};
}

std::string SdlAudio::play() {
  if (!music_) return "nothing is open";
  return mix_.playMusic(music_, 0) == 0 ? std::string() : error();
}

void SdlAudio::stop() { mix_.haltMusic(); }

bool SdlAudio::playing() const { return music_ && mix_.playingMusic() != 0; }

std::unique_ptr<Audio> openSystemAudio() {
  std::string why;
  const SdlMixerLibrary* mix = sdlMixer(why);
  if (!mix) {
    std::fprintf(stderr, "ispyt: no sound: %s\n", why.c_str());
    return std::make_unique<SilentAudio>();
  }
  // The program's window system handles the signals, not SDL.
  mix->setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (mix->initSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "ispyt: no sound: %s\n", mix->getError());
    return std::make_unique<SilentAudio>();
  }
  chooseSoundFont(*mix);
  // Without MIDI support the effects still play; the melody does not open.
  mix->init(MIX_INIT_MID);
  if (mix->openAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    std::fprintf(stderr, "ispyt: no sound: %s\n", mix->getError());
    mix->quit();
    mix->quitSubSystem(SDL_INIT_AUDIO);
    return std::make_unique<SilentAudio>();
  }
  return std::unique_ptr<Audio>(new SdlAudio(*mix));
}

}  // namespace ispyt
