#include "platform/Audio.h"

namespace ispyt {

std::string SilentAudio::open(const std::filesystem::path&) { return "no audio device"; }

std::string RecordingAudio::open(const std::filesystem::path& file) {
  file_ = file;
  playing_ = false;
  calls_.push_back("open " + file.filename().string());
  return {};
}

std::string RecordingAudio::play() {
  playing_ = !file_.empty();
  calls_.push_back("play");
  return playing_ ? std::string() : "nothing is open";
}

void RecordingAudio::stop() {
  playing_ = false;
  calls_.push_back("stop");
}

}  // namespace ispyt
