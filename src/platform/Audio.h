#pragma once
// The one media player of the workstation: effects and music share it, so
// that opening a new file stops whatever was playing.  The program plays
// through SDL2_mixer; tests and the headless tools record the calls.

#include <filesystem>
#include <string>
#include <vector>

namespace ispyt {

class Audio {
 public:
  virtual ~Audio() = default;
  // Makes `file` (a wave or MIDI file) the player's own, stopping and
  // dropping the one before; returns why it could not be opened, or
  // nothing.
  virtual std::string open(const std::filesystem::path& file) = 0;
  // Plays the open file from its start, without waiting for its end;
  // returns why it could not, or nothing.
  virtual std::string play() = 0;
  virtual void stop() = 0;
};

// A player with no device behind it: nothing opens, nothing sounds.
class SilentAudio : public Audio {
 public:
  std::string open(const std::filesystem::path& file) override;
  std::string play() override { return "no audio device"; }
  void stop() override {}
};

// Keeps what a real player would do and a log of the calls ("open FILE",
// "play", "stop").
class RecordingAudio : public Audio {
 public:
  std::string open(const std::filesystem::path& file) override;
  std::string play() override;
  void stop() override;

  const std::filesystem::path& file() const { return file_; }
  bool playing() const { return playing_; }
  const std::vector<std::string>& calls() const { return calls_; }

 private:
  std::filesystem::path file_;
  bool playing_ = false;
  std::vector<std::string> calls_;
};

}  // namespace ispyt
