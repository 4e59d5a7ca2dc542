#pragma once
// The program's one random generator: random(n) is uniform in 0..n-1.
// The program seeds it from the clock; tests seed it with a number.

#include <cstdint>
#include <random>
#include <string>

namespace ispyt {

class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}
  static Random clockSeeded();

  // 0..n-1; 0 when n < 1.
  int random(int n);

  // The generator's whole state as text, and back: a generator set to a
  // state draws what the one it was taken from drew after it.  A text
  // that is not such a state changes nothing and gives false.
  std::string state() const;
  bool setState(const std::string& state);

 private:
  std::mt19937_64 engine_;
};

}  // namespace ispyt
