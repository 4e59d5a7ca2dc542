#pragma once
// The sounds of the workstation: short wave files at the events of an
// attempt and a MIDI melody on the main screen, all optional files in the
// "Sound" folder of the program folder, played in the one player.  A file
// that is missing, or the sound switch of decor.ini off, plays nothing and
// says nothing.

#include <filesystem>
#include <string>

#include "platform/Audio.h"
#include "presentation/DecorSettings.h"

namespace ispyt {

// What became of one request, for the headless runs to list.
struct SoundRequest {
  std::string name;
  bool music = false;
  bool found = false;   // the file is in the sound folder
  bool played = false;  // it sounds now
};

class Sound {
 public:
  // The folder and the switch are read at each call: the appearance dialog
  // may change the switch at any time.
  Sound(Audio& audio, const std::filesystem::path& programFolder, const DecorSettings& decor);

  // "Sound/<name>.wav", when it exists and the switch is on, replaces
  // whatever plays.
  SoundRequest PlaySound(const std::string& name);
  // "Sound/<name>.Mid", when it exists, is opened (stopping whatever
  // plays); then it plays when `start` and the switch are on, and is
  // stopped otherwise.
  SoundRequest PlayMusic(const std::string& name, bool start);
  // The main screen is drawn anew after the appearance dialog: the music
  // begins again, unless the switch is on and it was begun already.
  SoundRequest ResumeMusic(const std::string& name);

  // Set when the music was started, cleared when it was stopped; a sound
  // that took its place since leaves it set.
  bool musicPlaying() const { return musicPlaying_; }

 private:
  // The file in the sound folder, found ignoring case; empty when there is
  // none.
  std::filesystem::path find(const std::string& fileName) const;

  Audio& audio_;
  const std::filesystem::path& programFolder_;
  const DecorSettings& decor_;
  bool musicPlaying_ = false;
};

// The sound folder and the melody of the main screen.
inline constexpr const char* kSoundFolder = "Sound";
inline constexpr const char* kMainScreenMusic = "Start";

}  // namespace ispyt
