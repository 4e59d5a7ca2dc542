#include "presentation/Sound.h"

#include "platform/Paths.h"

namespace ispyt {

Sound::Sound(Audio& audio, const std::filesystem::path& programFolder, const DecorSettings& decor)
    : audio_(audio), programFolder_(programFolder), decor_(decor) {}

std::filesystem::path Sound::find(const std::string& fileName) const {
  const std::optional<fs::path> folder = findEntry(programFolder_, kSoundFolder);
  if (!folder) return {};
  const std::optional<fs::path> file = findEntry(*folder, fileName);
  // Any attributes will do, but a folder of that name is no sound.
  std::error_code ec;
  if (!file || fs::is_directory(*file, ec)) return {};
  return *file;
}

SoundRequest Sound::PlaySound(const std::string& name) {
  SoundRequest r{name, false};
  const fs::path file = find(name + ".wav");
  r.found = !file.empty();
  if (r.found && decor_.sound) r.played = audio_.open(file).empty() && audio_.play().empty();
  return r;
}

SoundRequest Sound::PlayMusic(const std::string& name, bool start) {
  SoundRequest r{name, true};
  const fs::path file = find(name + ".Mid");
  r.found = !file.empty();
  if (!r.found) return r;
  const bool opened = audio_.open(file).empty();
  if (start && decor_.sound) {
    r.played = opened && audio_.play().empty();
    musicPlaying_ = true;
  } else {
    audio_.stop();
    musicPlaying_ = false;
  }
  return r;
}

SoundRequest Sound::ResumeMusic(const std::string& name) {
  if (!decor_.sound || !musicPlaying_) return PlayMusic(name, true);
  return {name, true, !find(name + ".Mid").empty()};
}

}  // namespace ispyt
