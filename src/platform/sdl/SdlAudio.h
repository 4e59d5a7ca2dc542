#pragma once
// The workstation's media player on SDL2_mixer: wave files and MIDI files
// (through the General MIDI soundfont of the system) in one music stream,
// so that a new file always replaces the one before.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/Audio.h"

struct _Mix_Music;

namespace ispyt {

struct SdlMixerLibrary;

class SdlAudio : public Audio {
 public:
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  std::string open(const std::filesystem::path& file) override;
  std::string play() override;
  void stop() override;
  // The open file is still sounding.
  bool playing() const;

 private:
  // Only openSystemAudio makes one, once the device is open.
  explicit SdlAudio(const SdlMixerLibrary& mix) : mix_(mix) {}
  friend std::unique_ptr<Audio> openSystemAudio();
  std::string error() const;
  // Stops the open file and drops it, unless it is the kept melody.
  void release();

  const SdlMixerLibrary& mix_;
  _Mix_Music* music_ = nullptr;
  // A MIDI file takes the synthesiser's soundfont to load (a tenth of a
  // second): the last one stays loaded while it is unchanged on disk, so
  // that stopping the melody at each opening of a test costs nothing.
  struct Kept {
    std::filesystem::path file;
    std::filesystem::file_time_type written;
    std::uintmax_t size = 0;
    _Mix_Music* music = nullptr;
  } melody_;
};

// Opens the system's audio device once; when there is none the program
// stays silent, which is said once on standard error.
std::unique_ptr<Audio> openSystemAudio();

}  // namespace ispyt
