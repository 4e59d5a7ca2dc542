// The player on a thread of its own: the device is opened off the caller's
// thread once begun, the calls reach it in their order without the caller
// waiting, and closing plays out what was handed on.

#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/AudioThread.h"

namespace ispyt {
namespace {

struct Heard {
  std::mutex mutex;
  std::vector<std::string> calls;
  std::thread::id thread;
  void note(const std::string& call) {
    std::lock_guard lock(mutex);
    calls.push_back(call);
    thread = std::this_thread::get_id();
  }
};

class NotingAudio : public Audio {
 public:
  explicit NotingAudio(Heard& heard) : heard_(heard) {}
  ~NotingAudio() override { heard_.note("closed"); }
  std::string open(const std::filesystem::path& file) override {
    heard_.note("open " + file.string());
    return "refused";
  }
  std::string play() override {
    heard_.note("play");
    return "refused";
  }
  void stop() override { heard_.note("stop"); }

 private:
  Heard& heard_;
};

TEST(AudioThread, CallsReachThePlayerInOrderOnItsOwnThread) {
  Heard heard;
  std::promise<void> opened;
  std::shared_future<void> mayOpen = opened.get_future().share();
  {
    AudioThread player([&]() -> std::unique_ptr<Audio> {
      mayOpen.wait();  // a device slow to open
      heard.note("opened");
      return std::make_unique<NotingAudio>(heard);
    });
    // Handed on at once, before the thread begins and while the device
    // is still opening.
    EXPECT_EQ(player.open("Start.Mid"), "");
    EXPECT_EQ(player.play(), "");
    player.begin();
    player.stop();
    EXPECT_EQ(player.open("end.wav"), "");
    {
      std::lock_guard lock(heard.mutex);
      EXPECT_TRUE(heard.calls.empty());
    }
    opened.set_value();
  }
  EXPECT_EQ(heard.calls, (std::vector<std::string>{"opened", "open Start.Mid", "play", "stop",
                                                   "open end.wav", "closed"}));
  EXPECT_NE(heard.thread, std::this_thread::get_id());
}

TEST(AudioThread, NoPlayerIsSilenceAndNeverBegunOpensNothing) {
  AudioThread silent([]() -> std::unique_ptr<Audio> { return nullptr; });
  silent.begin();
  EXPECT_EQ(silent.open("Start.Mid"), "");
  EXPECT_EQ(silent.play(), "");
  silent.stop();
  bool opened = false;
  {
    AudioThread unbegun([&]() -> std::unique_ptr<Audio> {
      opened = true;
      return nullptr;
    });
    unbegun.open("Start.Mid");
  }
  EXPECT_FALSE(opened);
}

}  // namespace
}  // namespace ispyt
