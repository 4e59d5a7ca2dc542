#include "platform/AudioThread.h"

namespace ispyt {

void AudioThread::begin() {
  if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
}

AudioThread::~AudioThread() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void AudioThread::post(std::function<void(Audio&)> call) {
  {
    std::lock_guard lock(mutex_);
    calls_.push_back(std::move(call));
  }
  wake_.notify_one();
}

std::string AudioThread::open(const std::filesystem::path& file) {
  post([file](Audio& player) { player.open(file); });
  return {};
}

std::string AudioThread::play() {
  post([](Audio& player) { player.play(); });
  return {};
}

void AudioThread::stop() {
  post([](Audio& player) { player.stop(); });
}

void AudioThread::run() {
  std::unique_ptr<Audio> player = openPlayer_ ? openPlayer_() : nullptr;
  if (!player) player = std::make_unique<SilentAudio>();
  for (;;) {
    std::function<void(Audio&)> call;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return closing_ || !calls_.empty(); });
      if (calls_.empty()) break;
      call = std::move(calls_.front());
      calls_.pop_front();
    }
    call(*player);
  }
}

}  // namespace ispyt
