#pragma once
// A player on a thread of its own: the device is opened there (a sound
// server may take a tenth of a second to answer, or longer to refuse),
// and each call is handed on to it in order, so that the window never
// waits for sound.  Its open() and play() accept the call and say
// nothing of its outcome: what a real device could not open stays silent,
// as it would have.

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/Audio.h"

namespace ispyt {

class AudioThread : public Audio {
 public:
  using Opener = std::function<std::unique_ptr<Audio>()>;
  // `openPlayer` runs on the player's thread, before any call.
  explicit AudioThread(Opener openPlayer) : openPlayer_(std::move(openPlayer)) {}
  // Plays out the calls handed on, then closes the player on its thread;
  // when it was never begun, they are dropped.
  ~AudioThread() override;
  AudioThread(const AudioThread&) = delete;
  AudioThread& operator=(const AudioThread&) = delete;

  // Starts the thread, which opens the player and takes the calls handed
  // on so far; until then they wait.  The program begins it once its
  // window is drawn: opening the device loads libraries, and loading
  // holds the loader's lock that the window's own plugins need.
  void begin();
  std::string open(const std::filesystem::path& file) override;
  std::string play() override;
  void stop() override;

 private:
  void post(std::function<void(Audio&)> call);
  void run();

  Opener openPlayer_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void(Audio&)>> calls_;
  bool closing_ = false;
  std::thread thread_;
};

}  // namespace ispyt
