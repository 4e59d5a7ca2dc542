#pragma once
// The caption of the help and about windows runs: every tick its text
// turns left by one character, for a fixed number of ticks.

#include <functional>
#include <memory>
#include <string>

#include "platform/Scheduler.h"

namespace ispyt {

inline constexpr int kMarqueeTickMs = 200;

class CaptionMarquee {
 public:
  // `show` gets each text (Windows-1251).
  CaptionMarquee(Scheduler& scheduler, std::function<void(const std::string&)> show);

  // Shows `text` and turns it `ticks` times.
  void start(std::string text, int ticks);
  void stop();
  bool running() const;
  const std::string& text() const { return text_; }

 private:
  void tick();

  std::function<void(const std::string&)> show_;
  std::unique_ptr<Timer> timer_;
  std::string text_;
  int left_ = 0;
};

// `text` turned left by one character.
std::string turnedLeft(const std::string& text);

}  // namespace ispyt
