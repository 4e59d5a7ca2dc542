#pragma once
// The sounds of an attempt, by name ("Home", "Next", "test", "time", …).
// The program plays them from its sound folder; headless runs record them.

#include <string>

namespace ispyt {

class AttemptSounds {
 public:
  virtual ~AttemptSounds() = default;
  virtual void play(const std::string& name) = 0;
};

}  // namespace ispyt
